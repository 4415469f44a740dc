#include <algorithm>
#include <limits>

#include "runtime/number.h"
#include "stdproc/text/token_split.h"
#include "stdproc/trace/trace.h"

namespace stdproc {

namespace {

// One token number no boundary count can reach: "COUNT" scans the whole text.
constexpr int32_t kScanAll = -1;

bool InSet(rt::TextView set, rt::TextView chunk) {
  return !chunk.empty() && set.find(chunk) != rt::TextView::npos;
}

}  // namespace

rt::Text ySplit(rt::TextView mode, rt::TextView text, int32_t n, rt::TextView separator,
                rt::TextView separatorSet) {
  TracedRoutine trace(u"ySplit");
  const bool counting = rt::TextUpper(mode) == u"COUNT";
  if (counting) {
    n = kScanAll;
  } else if (n <= 0) {
    return u"";
  }
  separator = rt::Visible(separator);
  separatorSet = rt::Visible(separatorSet);
  const rt::Text trimmed = rt::TextTrim(text);
  const rt::TextView scanned = trimmed;
  const size_t chunkLength = separator.empty() ? 1 : separator.size();
  const int32_t length = static_cast<int32_t>(scanned.size());

  int32_t tokenStart = 1;
  int32_t counter = 0;
  bool quoted = false;
  rt::TextView previous;
  rt::Text result;
  for (int32_t i = 1; i <= length; ++i) {
    result.clear();
    // Quote characters stay in the token; only the closing one is examined further.
    if (scanned[i - 1] == u'"') quoted = !quoted;
    if (quoted) continue;
    const rt::TextView chunk = scanned.substr(i - 1, chunkLength);
    bool boundary;
    if (!separator.empty()) {
      // A run of spaces is one boundary when the separator is a space.
      boundary = chunk == separator && !(chunk == previous && chunk == u" ");
    } else {
      // A run of set characters is one boundary, at its first character.
      boundary = InSet(separatorSet, chunk) && !InSet(separatorSet, previous);
    }
    previous = chunk;
    if (!boundary) continue;
    ++counter;
    result = yMidFromTo(scanned, tokenStart, i - 1);
    if (counter == n) break;
    tokenStart = i + 1;
  }
  if (counter < n) result = yMidFromTo(scanned, tokenStart, length);
  // The token behind a merged run begins with the rest of the run; with a set, its first
  // character goes.
  if (separator.empty() && InSet(separatorSet, rt::TextView(result).substr(0, 1))) {
    result.erase(0, 1);
  }
  if (counting) result = rt::IntToText(counter);
  return result;
}

rt::Text yMidFromTo(rt::TextView text, int32_t from, int32_t to) {
  if (to < 1 || from > to) return u"";
  const int64_t length = static_cast<int64_t>(to) - from + 1;
  return rt::TextMid(
      text, from,
      static_cast<int32_t>(std::min<int64_t>(length, std::numeric_limits<int32_t>::max())));
}

}  // namespace stdproc

#include "stdproc/file/wildcard.h"

#include <utility>

namespace stdproc {

namespace {

constexpr char16_t kAlternative = u'|';

// Walks the pattern once, alternative after alternative, without backtracking.
bool Matches(rt::TextView text, rt::TextView pattern) {
  const size_t last = pattern.size() - 1;
  size_t t = 0;  // the next unmatched character of the text
  bool starPending = false;
  for (size_t p = 0; p < pattern.size();) {
    const char16_t c = pattern[p];
    // An alternative ends at "|" as the whole pattern ends at its last character.
    const bool endsAlternative = p == last || pattern[p + 1] == kAlternative;
    bool failed = false;
    if (c == u'*') {
      if (endsAlternative) return true;  // takes any rest, also none
      starPending = true;
    } else if (c == u'?') {
      failed = t >= text.size();
      if (!failed) ++t;
    } else if (c == kAlternative) {
      // This alternative has ended: it matched only if it used up the whole text.
      if (t >= text.size()) return true;
      failed = true;
    } else if (starPending) {
      // The star takes one character or more, up to the first occurrence of the literal
      // run that follows it; the run ends at the next wildcard or alternative.
      starPending = false;
      const size_t runEnd = pattern.find_first_of(u"*?|", p);
      const rt::TextView run =
          pattern.substr(p, runEnd == rt::TextView::npos ? runEnd : runEnd - p);
      do {
        ++t;
      } while (t < text.size() && !text.substr(t).starts_with(run));
      failed = t >= text.size();
      if (!failed) ++t;
    } else {
      failed = t >= text.size() || text[t] != c;
      if (!failed) ++t;
    }
    if (!failed) {
      if (p == last && t >= text.size()) return true;
      ++p;
      continue;
    }
    const size_t next = pattern.find(kAlternative, p);
    if (next == rt::TextView::npos) return false;
    p = next + 1;
    t = 0;
    starPending = false;
  }
  return false;
}

}  // namespace

int32_t yMatchWildcard(rt::TextView first, rt::TextView second, int32_t ignoreCase) {
  rt::Text text(rt::Visible(first));
  rt::Text pattern(rt::Visible(second));
  if (text.find(u'*') != rt::Text::npos) std::swap(text, pattern);
  if (rt::TextTrim(pattern).empty() || pattern == u"*.*" || pattern == u"*") return 1;
  if (ignoreCase == 1) {
    text = rt::TextLower(text);
    pattern = rt::TextLower(pattern);
  }
  return Matches(text, pattern) ? 1 : 0;
}

}  // namespace stdproc

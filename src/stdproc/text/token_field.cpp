#include <algorithm>

#include "runtime/number.h"
#include "stdproc/text/token_split.h"

namespace stdproc {

namespace {

// The text with the separator behind it, searched in place: only the last few characters
// are ever joined with the separator, so a call never copies the text.
class WorkingCopy {
 public:
  WorkingCopy(rt::TextView text, rt::TextView separator) : text_(text), separator_(separator) {
    // A text that already ends in a one-character separator (trailing spaces aside) gets
    // no second one; a longer separator never equals one character and is always added.
    const rt::TextView trimmed = text.substr(0, text.find_last_not_of(u' ') + 1);
    appended_ = trimmed.empty() || trimmed.substr(trimmed.size() - 1) != separator;
  }

  // Offset of the first separator at or after `from`, or npos.
  size_t Find(size_t from) const {
    if (separator_.empty() || from > text_.size()) return rt::TextView::npos;
    const size_t inText = text_.find(separator_, from);
    if (inText != rt::TextView::npos || !appended_) return inText;
    // A match may begin in the text and run on into the appended separator.
    const size_t overlap = std::min(text_.size(), separator_.size() - 1);
    const size_t tailStart = std::max(from, text_.size() - overlap);
    const rt::Text tail = rt::Text(text_.substr(tailStart)) + rt::Text(separator_);
    const size_t inTail = tail.find(separator_);
    return inTail == rt::Text::npos ? inTail : tailStart + inTail;
  }

 private:
  rt::TextView text_;
  rt::TextView separator_;
  bool appended_ = false;
};

// The token loop both routines share. Calls keep(counter, token) for each raw token and
// stops when the counter reaches stopAt (never for stopAt <= 0); returns the counter.
template <class Keep>
int32_t WalkTokens(rt::TextView mode, rt::TextView text, rt::TextView separator, int32_t stopAt,
                   Keep&& keep) {
  text = rt::Visible(text);
  separator = rt::Visible(separator);
  const WorkingCopy copy(text, separator);
  const bool skipEmpty = mode.find(u"#ZWT") != rt::TextView::npos;
  int32_t counter = 0;
  size_t from = 0;
  // Every match starts within the text, so a token never reaches into the appended
  // separator.
  for (size_t at = copy.Find(from); at != rt::TextView::npos;) {
    ++counter;
    keep(counter, text.substr(from, at - from));
    if (counter == stopAt) break;
    from = at + separator.size();
    at = copy.Find(from);
    // Only separators after the first token are skipped: a text that begins with the
    // separator still has an empty first token.
    while (skipEmpty && at == from) {
      from += separator.size();
      at = copy.Find(from);
    }
  }
  return counter;
}

rt::Text TreatToken(rt::TextView mode, rt::TextView token) {
  auto has = [&](rt::TextView word) { return mode.find(word) != rt::TextView::npos; };
  if (has(u"#UC")) return rt::TextUpper(token);
  if (has(u"#TUC")) return rt::TextTrim(rt::TextUpper(token));
  if (has(u"#T")) return rt::TextTrim(token);
  return rt::Text(token);
}

}  // namespace

rt::Text yTokenField(rt::TextView mode, rt::TextView text, rt::TextView separator, int32_t n) {
  mode = rt::Visible(mode);
  rt::TextView last;
  const int32_t count =
      WalkTokens(mode, text, separator, n, [&](int32_t, rt::TextView token) { last = token; });
  if (n == 0) return rt::IntToText(count);
  return TreatToken(mode, last);
}

int32_t yTokenArray(rt::TextView mode, rt::TextView text, std::vector<rt::Text>& tokens,
                    rt::TextView separator) {
  mode = rt::Visible(mode);
  return WalkTokens(mode, text, separator, 0, [&](int32_t counter, rt::TextView token) {
    const size_t index = static_cast<size_t>(counter);
    // A caller's vector sized for fewer tokens grows instead of being written past.
    if (tokens.size() <= index) tokens.resize(index + 1);
    tokens[index] = TreatToken(mode, token);
  });
}

}  // namespace stdproc

#include "stdproc/text/delimited_field.h"

#include "runtime/number.h"

namespace stdproc {

rt::Text yDelimitedField(rt::TextView mode, rt::TextView text, rt::TextView startDelimiter,
                         rt::TextView endDelimiter, int32_t n) {
  text = rt::Visible(text);
  // Per-character upper-casing keeps every position, so matches found in the upper-cased
  // copy index the caller's text directly.
  const rt::Text upperMode = rt::TextUpper(mode);
  const rt::Text upperText = rt::TextUpper(text);
  const rt::Text upperStart = rt::TextUpper(startDelimiter);
  const rt::Text upperEnd = rt::TextUpper(endDelimiter);
  const int32_t startLength = rt::TextLength(upperStart);

  // The next start delimiter is sought from just behind the previous one, never from its
  // end delimiter: fields are located by start delimiters alone.
  auto nextStart = [&](int32_t previous) {
    return rt::TextFind(upperText, upperStart, previous == 0 ? 1 : previous + startLength);
  };

  rt::Text result;
  if (rt::TextFind(upperMode, u"#CNT") > 0) {
    int32_t count = 0;
    for (int32_t at = nextStart(0); at > 0; at = nextStart(at)) ++count;
    result = rt::IntToText(count);
  }
  if (rt::TextFind(upperMode, u"#GET") > 0) {
    int32_t at = nextStart(0);
    for (int32_t field = 1; at > 0 && field < n; ++field) at = nextStart(at);
    if (at > 0) {
      const int32_t first = at + startLength;
      const int32_t end = rt::TextFind(upperText, upperEnd, first);
      if (end > 0) result = rt::TextMid(text, first, end - first);
    }
  }
  return result;
}

}  // namespace stdproc

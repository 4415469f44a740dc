#include "stdproc/text/small_helpers.h"

#include <limits>

#include "runtime/messages.h"

namespace stdproc {

rt::Text yToBase36(int32_t number) {
  rt::Text result;
  // A negative number runs one pass: its remainder is 0 or negative and its quotient
  // not above 0.
  do {
    const int32_t digit = yMod(number, 36);
    if (digit < 0) {
      rt::ShowMessage(u"test", u"Fehler 0709110747=Unzulässiger Select Default-Zweig !");
      return u"";
    }
    result.insert(result.begin(), static_cast<char16_t>(digit < 10 ? u'0' + digit : 55 + digit));
    number /= 36;
  } while (number > 0);
  return result;
}

int32_t yMod(int32_t dividend, int32_t divisor) {
  // No remainder exists for 0; 64 bits keep INT32_MIN by -1 from overflowing.
  if (divisor == 0) return 0;
  return static_cast<int32_t>(int64_t{dividend} % divisor);
}

int32_t yAbs(int32_t number) {
  if (number == std::numeric_limits<int32_t>::min()) return number;
  return number < 0 ? -number : number;
}

rt::Text yOverwriteAt(rt::TextView text, rt::TextView insertion, int32_t position) {
  text = rt::Visible(text);
  insertion = rt::Visible(insertion);
  const size_t head = position < 1 ? 0 : static_cast<size_t>(position) - 1;
  if (head >= text.size()) return rt::Text(text);
  rt::Text result(text.substr(0, head));
  result += insertion;
  if (head + insertion.size() < text.size()) result += text.substr(head + insertion.size());
  return result;
}

}  // namespace stdproc

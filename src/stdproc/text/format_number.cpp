#include "stdproc/text/format_number.h"

#include "runtime/number.h"

namespace stdproc {

rt::Text yFormatNumber(rt::TextView mask, int32_t value) {
  mask = rt::Visible(mask);
  rt::Text digits;
  if (mask.starts_with(u">$")) {
    digits = rt::IntToHex(value);
    mask.remove_prefix(2);
  } else if (mask.starts_with(u">%")) {
    digits = rt::IntToBin(value);
    mask.remove_prefix(2);
  } else {
    // The sign is one more digit character: it takes a place of the mask.
    digits = rt::IntToText(value);
  }

  rt::Text result(mask.size(), u' ');
  // Filled from the right, so the number's last digit meets the mask's last place.
  for (size_t place = mask.size(); place-- > 0;) {
    const char16_t m = mask[place];
    const bool digitsLeft = !digits.empty();
    if (m == u'0' || m == u'#') {
      if (digitsLeft) {
        result[place] = digits.back();
        digits.pop_back();
      } else {
        result[place] = m == u'0' ? u'0' : u' ';
      }
    } else if (m == u'.') {
      result[place] = digitsLeft ? u'.' : u' ';
    } else {
      result[place] = m;
    }
  }
  return result;
}

}  // namespace stdproc

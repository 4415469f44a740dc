// Texts to numbers and back: any text reads without harm, and every 64-bit number written
// in decimal, hexadecimal or binary reads back as itself.
#include <algorithm>
#include <cmath>

#include "fuzz_input.h"
#include "runtime/number.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const int64_t n = input.Number<int64_t>();
  fuzz::Require(rt::TextToInt(rt::IntToText(n)) == n, "decimal reads back");
  fuzz::Require(rt::TextToInt(u"$" + rt::IntToHex(n)) == n, "hexadecimal reads back");
  fuzz::Require(rt::TextToInt(u" \t%" + rt::IntToBin(n)) == n, "binary reads back");

  // Whole numbers a float holds exactly, also with a fraction of zeros and an exponent.
  const int32_t small = input.NumberIn<int32_t>(-(1 << 24), 1 << 24);
  const auto exact = static_cast<float>(small);
  fuzz::Require(rt::TextToFloat(rt::IntToText(small)) == exact, "a whole number reads as float");
  fuzz::Require(rt::TextToFloat(rt::IntToText(small) + u".000e0x") == exact,
                "a fraction and exponent of zeros change nothing");

  const rt::Text text = input.Text(512);
  const int64_t read = rt::TextToInt(text);
  fuzz::Require(rt::TextToInt(rt::IntToText(read)) == read, "a read number is stable");

  // The sign of a float is the sign written in front of its digits, also when the number
  // is too large or too small for a float.
  const float value = rt::TextToFloat(text);
  const rt::TextView visible = rt::Visible(text);
  const rt::TextView number =
      visible.substr(std::min(visible.size(), visible.find_first_not_of(u" \t")));
  const bool minusDigit =
      number.size() > 1 && number[0] == u'-' && number[1] >= u'0' && number[1] <= u'9';
  if (!std::isnan(value)) {
    fuzz::Require(!std::signbit(value) || (!number.empty() && number[0] == u'-'),
                  "a float is negative only behind a minus");
    fuzz::Require(std::signbit(value) || !minusDigit, "a minus before digits gives a negative");
  }
  return 0;
}

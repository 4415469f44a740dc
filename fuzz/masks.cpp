// Number and date masks, arbitrary ones included: a number mask keeps its width, and a
// date written through the full date mask gives its fields back.
#include "fuzz_input.h"
#include "runtime/date.h"
#include "runtime/number.h"
#include "stdproc/text/format_number.h"

namespace {

void NumberMask(fuzz::FuzzInput& input) {
  const rt::Text mask = input.Text(64);
  const int32_t value = input.Number<int32_t>();
  const rt::TextView visible = rt::Visible(mask);
  const bool radix = visible.starts_with(u">$") || visible.starts_with(u">%");
  fuzz::Require(stdproc::yFormatNumber(mask, value).size() == visible.size() - (radix ? 2 : 0),
                "a formatted number is as wide as its mask");
}

void DateMask(fuzz::FuzzInput& input) {
  const rt::Text mask = input.Text(128);
  const int32_t date = input.Number<int32_t>();
  const rt::Text formatted = rt::DateFormat(mask, date);
  if (rt::Visible(mask).find(u'%') == rt::TextView::npos) {
    fuzz::Require(formatted == rt::Visible(mask), "a mask without % stays as it is");
  }

  const int32_t year = input.NumberIn(1970, 2038), month = input.NumberIn(1, 12),
                day = input.NumberIn(1, 31), hour = input.NumberIn(0, 23),
                minute = input.NumberIn(0, 59), second = input.NumberIn(0, 59);
  const int32_t made = rt::DateMake(year, month, day, hour, minute, second);
  if (made == rt::InvalidDate) return;
  const rt::Text fields = rt::DateFormat(u"%YYYY %mm %Dd %hh %iI %ss %yy", made);
  const int32_t expected[] = {year, month, day, hour, minute, second, year % 100};
  for (int32_t i = 0; i < 7; ++i) {
    fuzz::Require(rt::TextToInt(rt::TextField(fields, i + 1, u" ")) == expected[i],
                  "a made date formats to its fields");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  NumberMask(input);
  DateMask(input);
  return 0;
}

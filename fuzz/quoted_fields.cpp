// yStringField and yDelimitedField on any text and delimiters: the fields of a command
// line put together give the line back, and a delimited field lies in its text.
#include "fuzz_input.h"
#include "runtime/number.h"
#include "stdproc/text/delimited_field.h"
#include "stdproc/text/string_field.h"

namespace {

// Fields 0, 1, ... up to the first empty one after field 0, at most a few dozen.
void StringFields(fuzz::FuzzInput& input) {
  const rt::Text delimiter = input.OneOf<rt::TextView>({u",", u" ", u"(", u"'", u"", u",,"}).data();
  const rt::Text text = input.Text(512);
  const rt::TextView visible = rt::Visible(text);
  rt::Text joined;
  int32_t index = 0;
  for (; index < 40; ++index) {
    const rt::Text field = stdproc::yStringField(text, index, delimiter);
    if (index > 0 && field.empty()) break;
    joined += field;
    fuzz::Require(visible.starts_with(joined), "fields follow each other in the text");
  }
  if (index < 40) fuzz::Require(joined == visible, "the fields together are the text");
  fuzz::Require(stdproc::yStringField(text, -1 - index, delimiter).empty(),
                "a negative field number gives nothing");
}

void DelimitedFields(fuzz::FuzzInput& input) {
  const rt::Text start = input.Word(), end = input.Word();
  const int32_t n = input.NumberIn(-2, 20);
  const rt::Text text = input.Text(512);
  const int32_t count =
      static_cast<int32_t>(rt::TextToInt(stdproc::yDelimitedField(u"#cnt", text, start, end, 0)));
  const rt::Text field = stdproc::yDelimitedField(u"#Get", text, start, end, n);
  fuzz::Require(rt::Visible(text).find(field) != rt::TextView::npos, "a field lies in its text");
  if (n > count) fuzz::Require(field.empty(), "there is no field past the last start");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  StringFields(input);
  DelimitedFields(input);
  return 0;
}

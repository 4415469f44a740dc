// yTokenField and yTokenArray on any text, separator and mode: the array holds exactly the
// tokens the field routine counts and returns, and untreated tokens never hold the
// separator.
#include <vector>

#include "fuzz_input.h"
#include "runtime/number.h"
#include "stdproc/text/token_split.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const rt::Text mode =
      input.OneOf<rt::TextView>({u"", u"#ZWT", u"#UC", u"#TUC", u"#T#ZWT", u"x#UC#ZWT"}).data();
  const rt::Text separator = input.Word();
  const int32_t beyond = input.Number<int32_t>();
  const rt::Text text = input.Text(1024);

  const int32_t count =
      static_cast<int32_t>(rt::TextToInt(stdproc::yTokenField(mode, text, separator, 0)));
  std::vector<rt::Text> tokens;
  fuzz::Require(stdproc::yTokenArray(mode, text, tokens, separator) == count,
                "both routines count alike");
  fuzz::Require(count == 0 || tokens.size() == static_cast<size_t>(count) + 1,
                "the array grows to the count");

  const bool untreated = mode.find(u"C") == rt::Text::npos && mode.find(u"#T") == rt::Text::npos;
  const rt::TextView sep = rt::Visible(separator);
  // Fetching token n walks n tokens; a few from each end keep a run short.
  for (int32_t n = 1; n <= count; n = n == 8 && count > 16 ? count - 8 : n + 1) {
    fuzz::Require(stdproc::yTokenField(mode, text, separator, n) == tokens[n],
                  "token n is the array's entry n");
    if (untreated) {
      fuzz::Require(rt::TextView(tokens[n]).find(sep) == rt::TextView::npos,
                    "a token holds no separator");
    }
  }
  if (count > 0 && (beyond > count || beyond < 0)) {
    fuzz::Require(stdproc::yTokenField(mode, text, separator, beyond) == tokens[count],
                  "a token number out of range gives the last token");
  }
  return 0;
}

// ySplit and yMidFromTo on any text, separator, set and positions: token numbers past the
// last boundary give the last token, and a mid is as long as its positions ask.
#include <algorithm>

#include "fuzz_input.h"
#include "runtime/number.h"
#include "stdproc/text/token_split.h"

namespace {

void Split(fuzz::FuzzInput& input) {
  const rt::Text separator = input.OneOf<rt::TextView>({u" ", u"", u",", u";;"}).data();
  const rt::Text set = input.Word();
  const int32_t past = input.NumberIn(1, 1000);
  const rt::Text text = input.Text(1024);
  const int32_t count =
      static_cast<int32_t>(rt::TextToInt(stdproc::ySplit(u"count", text, 0, separator, set)));
  fuzz::Require(count >= 0, "a count is never negative");
  const rt::Text last = stdproc::ySplit(u"", text, count + 1, separator, set);
  fuzz::Require(stdproc::ySplit(u"", text, count + 1 + past, separator, set) == last,
                "every token number past the last boundary gives the last token");
  fuzz::Require(stdproc::ySplit(u"", text, -past, separator, set).empty(),
                "a token number below 1 gives nothing");
}

void Mid(fuzz::FuzzInput& input) {
  const int32_t from = input.Number<int32_t>(), to = input.Number<int32_t>();
  const rt::Text text = input.Text(256);
  const rt::Text mid = stdproc::yMidFromTo(text, from, to);
  const auto length = static_cast<int64_t>(rt::Visible(text).size());
  // to - from + 1 characters from `from`, where a `from` below 1 counts as 1: a mid that
  // starts before the text is as long as asked, not cut at position 1.
  const int64_t first = std::max<int64_t>(from, 1);
  const int64_t asked = static_cast<int64_t>(to) - from + 1;
  const int64_t want = to < 1 || from > to ? 0 : std::clamp<int64_t>(length - first + 1, 0, asked);
  fuzz::Require(static_cast<int64_t>(mid.size()) == want, "a mid spans its positions");
  fuzz::Require(mid.empty() || rt::Visible(text).substr(first - 1, mid.size()) == mid,
                "a mid is the text between its positions");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  Split(input);
  Mid(input);
  return 0;
}

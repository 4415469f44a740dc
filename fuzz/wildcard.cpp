// yMatchWildcard on any text and pattern: a text matches itself, a row of "?" as long as
// it, and "*" behind any of its beginnings; an alternative after "|" is tried as well.
#include "stdproc/file/wildcard.h"

#include "fuzz_input.h"

namespace {

bool HasWildcard(rt::TextView text) { return text.find_first_of(u"*?|") != rt::TextView::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const int32_t ignoreCase = input.OneOf({0, 1, 2});
  const rt::Text pattern = input.Text(64);
  const rt::Text text = input.Text(256);
  stdproc::yMatchWildcard(text, pattern, ignoreCase);
  stdproc::yMatchWildcard(pattern, text, ignoreCase);

  const rt::TextView visible = rt::Visible(text);
  if (visible.empty() || HasWildcard(visible)) return 0;
  fuzz::Require(stdproc::yMatchWildcard(text, text, ignoreCase) == 1, "a text matches itself");
  fuzz::Require(stdproc::yMatchWildcard(text, rt::Text(visible.size(), u'?'), ignoreCase) == 1,
                "a row of ? as long as the text matches it");
  const size_t cut = static_cast<size_t>(input.NumberIn<uint32_t>(0, 255)) % visible.size();
  fuzz::Require(
      stdproc::yMatchWildcard(text, rt::Text(visible.substr(0, cut)) + u"*", ignoreCase) == 1,
      "a beginning followed by * matches");
  const rt::TextView other = rt::Visible(pattern);
  if (!HasWildcard(other)) {
    fuzz::Require(
        stdproc::yMatchWildcard(text, rt::Text(other) + u"|" + rt::Text(visible), ignoreCase) == 1,
        "a failing alternative hands over to the next");
  }
  return 0;
}

// The choice of a picture line on any page: the path is one whole CR LF line of the page,
// verbatim, and a page without CR LF gives none.
#include "fuzz_input.h"
#include "runtime/random.h"
#include "wallpaper/set_wallpaper_from_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  rt::RandomSeed(input.Number<uint32_t>());
  const rt::Text page = input.Text(2048);
  const rt::Text path = pendrel::ChoosePicturePath(page);

  const rt::Text visible(rt::Visible(page));
  if (visible.find(u"\r\n") == rt::Text::npos) {
    fuzz::Require(path.empty(), "a page without CR LF offers no line");
    return 0;
  }
  fuzz::Require(path.find(u"\r\n") == rt::Text::npos, "a path is one line");
  // A whole line: at the page's start or behind a CR LF, and ended by one.
  const rt::Text line = path + u"\r\n";
  const bool whole = visible.starts_with(line) || visible.find(u"\r\n" + line) != rt::Text::npos;
  fuzz::Require(whole, "a path is a whole line of the page");
  return 0;
}

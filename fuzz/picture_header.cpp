// The picture check on any file start: a known format always comes with a size, and only
// the start of the file decides, however much follows.
#include "fuzz_input.h"
#include "wallpaper/picture_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view head(reinterpret_cast<const char*>(data), size);
  const pendrel::PictureHeader header = pendrel::ReadPictureHeader(head);
  if (header.format == pendrel::PictureFormat::None) {
    fuzz::Require(header.width == 0 && header.height == 0, "no picture has no size");
    return 0;
  }
  fuzz::Require(header.width > 0 && header.height > 0, "a picture has a size");
  const std::string longer = std::string(head) + std::string(4096, '\xFF');
  const pendrel::PictureHeader again = pendrel::ReadPictureHeader(longer);
  fuzz::Require(
      again.format == header.format && again.width == header.width && again.height == header.height,
      "bytes behind a recognised header change nothing");
  return 0;
}

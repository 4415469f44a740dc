// What a JPEG's header tells about its decoder's memory, on any bytes: never a crash, a
// frame only with a size and a bound that is not negative, and bytes after the first scan
// begins change nothing.
#include <cstdio>
#include <optional>
#include <string>

#include "fuzz_input.h"
#include "wallpaper/backends/file_handle.h"
#include "wallpaper/backends/x11_jpeg_frame.h"

namespace {

using pendrel::backends::JpegFrame;

std::optional<JpegFrame> FrameOf(std::string bytes) {
  const pendrel::backends::FileHandle in(fmemopen(bytes.data(), bytes.size(), "rb"));
  return in ? pendrel::backends::ReadJpegFrame(in.get()) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<JpegFrame> frame = FrameOf(bytes);
  if (!frame) return 0;
  fuzz::Require(frame->width > 0 && frame->height > 0, "a frame has a size");
  fuzz::Require(frame->fixedBytes >= 0, "the memory bound is not negative");
  const std::optional<JpegFrame> again = FrameOf(bytes + std::string(4096, '\xD9'));
  fuzz::Require(again && again->width == frame->width && again->height == frame->height &&
                    again->fixedBytes == frame->fixedBytes,
                "bytes after the first scan change nothing");
  return 0;
}

// Decoding the wallpaper picture for the X root window without unbounded memory.
#pragma once

#include <filesystem>
#include <functional>

#include "wallpaper/backends/x11_decode_plan.h"
#include "wallpaper/backends/x11_pixman.h"

namespace pendrel::backends {

// The decoded picture, where a screen falls on it, and the way to have its rows ready.
struct ScreenPicture {
  PixmanImage image;  // nullptr when the picture was not decoded
  Covering covering;
  // Makes the first `end` rows of the image ready; false when decoding failed. A JPEG is
  // decoded as its rows are asked for, other pictures are ready at once.
  std::function<bool(int end)> decodeTo;
};

// The picture in `file` decoded for a screen of width x height: a JPEG at the smallest size
// that covers it, and only the rows it shows; any other format whole. Only what fits the
// decoding budget is decoded; otherwise, or when the picture cannot be decoded, the image is
// nullptr (the trace then says why).
ScreenPicture DecodeForScreen(const std::filesystem::path& file, int width, int height);

}  // namespace pendrel::backends

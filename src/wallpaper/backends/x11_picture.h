// Decoding the wallpaper picture for the X root window without unbounded memory.
#pragma once

#include <filesystem>

#include "wallpaper/backends/x11_decode_plan.h"
#include "wallpaper/backends/x11_pixman.h"

namespace pendrel::backends {

// The decoded picture and where a screen falls on it.
struct ScreenPicture {
  PixmanImage image;  // nullptr when the picture was not decoded
  Covering covering;
};

// The picture in `file` decoded for a screen of width x height: a JPEG at the smallest size
// that covers it, and only the rows it shows; any other format whole. Only what fits the
// decoding budget is decoded; otherwise, or when the picture cannot be decoded, the image is
// nullptr (the trace then says why).
ScreenPicture DecodeForScreen(const std::filesystem::path& file, int width, int height);

}  // namespace pendrel::backends

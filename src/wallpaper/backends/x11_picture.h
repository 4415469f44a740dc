// Decoding the wallpaper picture for the X root window without unbounded memory.
#pragma once

#include <filesystem>

#include "wallpaper/backends/x11_api.h"
#include "wallpaper/backends/x11_pixman.h"

namespace pendrel::backends {

// The picture in `file`, decoded at the smallest size that covers a screen of width x
// height where the format allows (JPEG), whole otherwise, and only when that fits the
// decoding budget; nullptr when it cannot be decoded or would need more (the trace then
// says so).
PixmanImage DecodeForScreen(const X11Api& x, const std::filesystem::path& file, int width,
                            int height);

}  // namespace pendrel::backends

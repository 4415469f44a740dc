// Decoding the wallpaper picture for the X root window without unbounded memory.
#pragma once

#include <filesystem>

#include "wallpaper/backends/x11_api.h"

namespace pendrel::backends {

// The picture in `file`, decoded at a size that covers a screen of width x height where
// the format allows a reduced decode, and only when that fits the decoding budget; nullptr
// when it cannot be decoded or would need more (the trace then says so).
GdkPixbuf* DecodeForScreen(const X11Api& x, const std::filesystem::path& file, int width,
                           int height);

}  // namespace pendrel::backends

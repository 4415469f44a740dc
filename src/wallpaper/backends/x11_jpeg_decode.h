// JPEG pictures decoded straight to the size the screen needs, in eighths of their own.
#pragma once

#include <filesystem>

#include "wallpaper/backends/x11_pixman.h"

namespace pendrel::backends {

// The JPEG in `file` decoded at eighths / 8 of its size (1..16, each side rounded up), with
// grey and CMYK pictures turned into colour; nullptr when it cannot be decoded.
PixmanImage DecodeJpeg(const std::filesystem::path& file, int eighths);

}  // namespace pendrel::backends

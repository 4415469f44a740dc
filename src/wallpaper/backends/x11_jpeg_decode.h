// JPEG pictures decoded straight to the size the screen needs, in eighths of their own.
#pragma once

#include <filesystem>
#include <limits>

#include "wallpaper/backends/x11_decode_plan.h"
#include "wallpaper/backends/x11_pixman.h"

namespace pendrel::backends {

// Rows [rows.first, rows.end) of the JPEG in `file` decoded at eighths / 8 of its size (1..16,
// each side rounded up), with grey and CMYK pictures turned into colour; the image holds
// just those rows (fewer where the picture ends sooner). nullptr when it cannot be decoded.
PixmanImage DecodeJpeg(const std::filesystem::path& file, int eighths,
                       RowSpan rows = {0, std::numeric_limits<int>::max()});

}  // namespace pendrel::backends

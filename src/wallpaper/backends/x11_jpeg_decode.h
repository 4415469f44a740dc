// JPEG pictures decoded straight to the size the screen needs, in eighths of their own, and
// row by row, so that the first rows can be on their way to the X server while the rest
// are decoded.
#pragma once

#include <filesystem>
#include <limits>
#include <memory>

#include "wallpaper/backends/x11_decode_plan.h"
#include "wallpaper/backends/x11_pixman.h"

namespace pendrel::backends {

class JpegRows {
 public:
  // Starts decoding the JPEG in `file` at eighths / 8 of its size (1..16, each side rounded
  // up), to keep its rows [rows.first, rows.end) (fewer where the picture ends sooner); grey
  // and CMYK pictures come out in colour. Nothing is decoded when the file is no JPEG.
  JpegRows(const std::filesystem::path& file, int eighths,
           RowSpan rows = {0, std::numeric_limits<int>::max()});
  ~JpegRows();
  JpegRows(const JpegRows&) = delete;
  JpegRows& operator=(const JpegRows&) = delete;

  // The rows kept, in x8r8g8b8, of which DecodeTo has filled in the first ones; nullptr
  // when the picture cannot be decoded.
  pixman_image_t* image() const;
  // Decodes until the first `end` rows of image() are there; false when the decoder failed.
  bool DecodeTo(int end);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace pendrel::backends

// JPEG pictures decoded straight to the size the screen needs, in eighths of their own, and
// row by row into a small window that slides down the picture, so that the first rows can
// be on their way to the X server while the rest are decoded, and the decoded picture is
// never held whole.
#pragma once

#include <memory>

#include "wallpaper/backends/file_handle.h"
#include "wallpaper/backends/x11_decode_plan.h"
#include "wallpaper/backends/x11_pixman.h"

namespace pendrel::backends {

class JpegRows {
 public:
  // Starts decoding the JPEG read from `in` on at eighths / 8 of its size (1..16, each side
  // rounded up); grey and CMYK pictures come out in colour. Nothing is decoded when it is no
  // JPEG.
  JpegRows(FileHandle in, int eighths);
  ~JpegRows();
  JpegRows(const JpegRows&) = delete;
  JpegRows& operator=(const JpegRows&) = delete;

  // The decoded size; 0 x 0 when the picture cannot be decoded.
  int width() const;
  int height() const;
  // The rows [rows.first, rows.end) (fewer where the picture ends sooner) in x8r8g8b8, as an
  // image whose top row is rows.first, valid until the next call. Spans are asked for from
  // the top down: rows above the last span's first are gone. nullptr when the span is
  // empty, lies above the last one, or the decoder failed.
  PixmanImage Rows(RowSpan rows);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace pendrel::backends

// Decoding the wallpaper picture for the X root window without unbounded memory.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "wallpaper/backends/x11_decode_plan.h"
#include "wallpaper/backends/x11_pixman.h"
#include "wallpaper/picture_arrival.h"

namespace pendrel::backends {

// The decoded picture, where a screen falls on it, and the way to have its rows ready.
struct ScreenPicture {
  int height = 0;  // the decoded picture's rows; 0 when it was not decoded
  Covering covering;
  // The rows `rows` as an image whose top row is rows.first, valid until the next call;
  // spans are asked for from the top down. A JPEG is decoded as its rows are asked for,
  // other pictures are ready at once. nullptr when decoding failed.
  std::function<PixmanImage(RowSpan rows)> rows;
};

// The picture in `file` decoded for a screen of width x height: a JPEG at the smallest size
// that covers it, and only the rows it shows; any other format whole. Only what fits the
// decoding budget is decoded; otherwise, or when the picture cannot be decoded, its height
// is 0 (the trace then says why).
ScreenPicture DecodeForScreen(const std::filesystem::path& file, int width, int height);

// The JPEG that `arrival` brings, decoded for the screen as its bytes come in, as above but
// quietly: its height is 0 when it is no JPEG or over budget, and its rows end in nullptr
// once the download has failed. Whatever it leaves undone is for DecodeForScreen to do, or
// to refuse, with the saved file.
ScreenPicture DecodeArrivingForScreen(std::shared_ptr<const PictureArrival> arrival, int width,
                                      int height);

// One of the above for a screen of width x height.
using ScreenDecoder = std::function<ScreenPicture(int width, int height)>;

}  // namespace pendrel::backends

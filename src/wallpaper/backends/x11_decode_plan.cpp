#include "wallpaper/backends/x11_decode_plan.h"

namespace pendrel::backends {

namespace {

// Every decoded pixel as four bytes: an alpha channel costs as much as a colour.
constexpr int64_t kBytesPerPixel = 4;
constexpr int kLargestEighths = 16;

}  // namespace

DecodePlan PlanDecode(const PictureFacts& picture, int screenWidth, int screenHeight) {
  const int64_t w = picture.width;
  const int64_t h = picture.height;
  // The size that covers the screen once scaled evenly: one side fits, the other overhangs.
  const bool wider = w * screenHeight >= h * screenWidth;
  const int64_t coverW = wider ? CeilDiv(w * screenHeight, h) : screenWidth;
  const int64_t coverH = wider ? screenHeight : CeilDiv(h * screenWidth, w);
  const auto planFor = [&](int eighths) {
    const auto width = static_cast<int>(CeilDiv(w * eighths, 8));
    const auto height = static_cast<int>(CeilDiv(h * eighths, 8));
    return DecodePlan{eighths, width, height,
                      picture.fixedBytes + int64_t{width} * height * kBytesPerPixel};
  };
  if (!picture.scalable) return planFor(8);
  int eighths = 1;
  while (eighths < kLargestEighths &&
         (CeilDiv(w * eighths, 8) < coverW || CeilDiv(h * eighths, 8) < coverH)) {
    ++eighths;
  }
  while (eighths > 1 && !planFor(eighths).Fits()) --eighths;
  return planFor(eighths);
}

}  // namespace pendrel::backends

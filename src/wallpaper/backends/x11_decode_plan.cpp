#include "wallpaper/backends/x11_decode_plan.h"

#include <algorithm>
#include <cmath>

namespace pendrel::backends {

namespace {

// Every decoded pixel as four bytes: an alpha channel costs as much as a colour.
constexpr int64_t kBytesPerPixel = 4;
constexpr int kLargestEighths = 16;

}  // namespace

DecodePlan PlanDecode(const PictureFacts& picture, int screenWidth, int screenHeight) {
  const auto planFor = [&](int eighths) {
    const auto width = static_cast<int>(CeilDiv(int64_t{picture.width} * eighths, 8));
    const auto height = static_cast<int>(CeilDiv(int64_t{picture.height} * eighths, 8));
    return DecodePlan{eighths, width, height,
                      picture.fixedBytes + int64_t{width} * height * kBytesPerPixel};
  };
  // A size covers the screen when it need not be enlarged to do so.
  const auto covers = [&](const DecodePlan& plan) {
    return CoverScreen(plan.width, plan.height, screenWidth, screenHeight).step >= 1;
  };
  if (!picture.scalable) return planFor(8);
  int eighths = 1;
  while (eighths < kLargestEighths && !covers(planFor(eighths))) ++eighths;
  while (eighths > 1 && !planFor(eighths).Fits()) --eighths;
  return planFor(eighths);
}

Covering CoverScreen(int width, int height, int screenWidth, int screenHeight) {
  const double step = std::min(double(width) / screenWidth, double(height) / screenHeight);
  return {step, (width - screenWidth * step) / 2, (height - screenHeight * step) / 2};
}

RowSpan RowsShown(const Covering& covering, int height, int screenHeight) {
  const int first = static_cast<int>(std::floor(covering.top)) - 1;
  const int end = static_cast<int>(std::ceil(covering.top + screenHeight * covering.step)) + 2;
  return {std::max(first, 0), std::min(end, height)};
}

}  // namespace pendrel::backends

#include "wallpaper/backends/x11_decode_plan.h"

#include <algorithm>
#include <cmath>

namespace pendrel::backends {

namespace {

// Every decoded pixel as four bytes: an alpha channel costs as much as a colour.
constexpr int64_t kBytesPerPixel = 4;
constexpr int kLargestEighths = 16;

// The sizes the decoder makes fastest, with vector code: decoding to 6/8 takes about twice
// as long as decoding to 8/8 and scaling the rest. Scales below 8/8 are tried only among
// these; pictures smaller than the screen are enlarged in any eighth.
constexpr int kFastEighths[] = {1, 2, 4, 8};

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
  int eighths = 8;
  for (const int fast : kFastEighths) {
    if (covers(planFor(fast))) {
      eighths = fast;
      break;
    }
  }
  while (eighths < kLargestEighths && !covers(planFor(eighths))) ++eighths;
  while (eighths > 1 && !planFor(eighths).Fits()) --eighths;
  return planFor(eighths);
}

Covering CoverScreen(int width, int height, int screenWidth, int screenHeight) {
  const double step = std::min(double(width) / screenWidth, double(height) / screenHeight);
  return {step, (width - screenWidth * step) / 2, (height - screenHeight * step) / 2};
}

RowSpan RowsShown(const Covering& covering, int height, RowSpan screen) {
  const int first = static_cast<int>(std::floor(covering.top + screen.first * covering.step)) - 1;
  const int end = static_cast<int>(std::ceil(covering.top + screen.end * covering.step)) + 2;
  return {std::max(first, 0), std::min(end, height)};
}

}  // namespace pendrel::backends

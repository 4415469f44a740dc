#include "wallpaper/backends/x11_decode_plan.h"

namespace pendrel::backends {

namespace {

// Every decoded pixel as four bytes: an alpha channel costs as much as a colour.
constexpr int64_t kBytesPerPixel = 4;
constexpr int kLargestReduction = 8;

}  // namespace

DecodePlan PlanDecode(const PictureFacts& picture, int screenWidth, int screenHeight) {
  const int64_t w = picture.width;
  const int64_t h = picture.height;
  // The size that covers the screen once scaled evenly: one side fits, the other overhangs.
  const bool wider = w * screenHeight >= h * screenWidth;
  const int64_t coverW = wider ? CeilDiv(w * screenHeight, h) : screenWidth;
  const int64_t coverH = wider ? screenHeight : CeilDiv(h * screenWidth, w);
  const auto planFor = [&](int reduction) {
    const auto width = static_cast<int>(CeilDiv(w, reduction));
    const auto height = static_cast<int>(CeilDiv(h, reduction));
    return DecodePlan{reduction, width, height,
                      picture.fixedBytes + int64_t{width} * height * kBytesPerPixel};
  };
  DecodePlan plan = planFor(1);
  while (picture.reducible && plan.reduction < kLargestReduction) {
    const DecodePlan next = planFor(plan.reduction * 2);
    const bool nextCovers = next.width >= coverW && next.height >= coverH;
    if (!nextCovers && plan.Fits()) break;
    plan = next;
  }
  return plan;
}

}  // namespace pendrel::backends

// How large a picture is decoded for a screen, within a fixed amount of memory: a picture
// that would need more is refused rather than decoded.
#pragma once

#include <cstdint>

namespace pendrel::backends {

// a / b rounded up, for sizes in pixels and blocks.
inline constexpr int64_t CeilDiv(int64_t a, int64_t b) { return (a + b - 1) / b; }

// With the program itself and the libraries, a run stays well under 100 MiB.
inline constexpr int64_t kDecodeBudgetBytes = int64_t{48} << 20;

// What the file's header tells before anything is decoded.
struct PictureFacts {
  int width = 0;
  int height = 0;
  bool reducible = false;  // the decoder can give 1/2, 1/4 or 1/8 of the size (JPEG)
  int64_t fixedBytes = 0;  // held while decoding whatever the output size
};

struct DecodePlan {
  int reduction = 1;  // 1, 2, 4 or 8
  int width = 0;      // the picture's size divided by the reduction, rounded up
  int height = 0;
  int64_t bytes = 0;  // what the decoder holds for it
  bool Fits() const { return bytes <= kDecodeBudgetBytes; }
};

// The largest reduction that still covers the screen once scaled evenly, or a larger one
// when that would not fit the budget.
DecodePlan PlanDecode(const PictureFacts& picture, int screenWidth, int screenHeight);

}  // namespace pendrel::backends

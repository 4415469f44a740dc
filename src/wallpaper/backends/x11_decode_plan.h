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
  bool scalable = false;   // the decoder gives any size from 1/8 to 16/8 in eighths (JPEG)
  int64_t fixedBytes = 0;  // held while decoding whatever the output size
};

struct DecodePlan {
  int eighths = 8;  // the decoded size over the picture's, in eighths: 1..16
  int width = 0;    // the picture's size times eighths / 8, rounded up
  int height = 0;
  // The decoder's own memory and the decoded picture's: a bound on memory and work, kept
  // although a JPEG's rows pass through a small window.
  int64_t bytes = 0;
  bool Fits() const { return bytes <= kDecodeBudgetBytes; }
};

// The smallest size that still covers the screen once scaled evenly (the picture's own
// size where the format allows no other), or the largest smaller one that fits the budget.
DecodePlan PlanDecode(const PictureFacts& picture, int screenWidth, int screenHeight);

// Where the screen falls on a width x height picture scaled evenly until it covers the
// screen and centred: picture pixels per screen pixel, and the picture position of the
// screen's top left corner.
struct Covering {
  double step = 1;
  double left = 0;
  double top = 0;
};
Covering CoverScreen(int width, int height, int screenWidth, int screenHeight);

// The rows [first, end) of a picture of `height` rows that the screen's rows `screen` are
// drawn from, with a row to spare on each side for a filter that blends neighbours; a
// decoder need not make the others.
struct RowSpan {
  int first = 0;
  int end = 0;
};
RowSpan RowsShown(const Covering& covering, int height, RowSpan screen);

}  // namespace pendrel::backends

// Looking at the shared test display: settling the toolkit, screenshots and pixels.
#pragma once

#include <cstdint>
#include <string>

namespace uitest {

// Fetches events for a while so that windows are mapped, laid out and drawn.
void Settle(int32_t ms = 400);

// Saves a PNG of the whole screen below the build tree's "screenshots" folder; its path
// as the image tools name it (the Linux path, under Wine too).
std::string Screenshot(const std::string& name);

struct Rgb {
  int red = -1, green = -1, blue = -1;
};
// The colour of one pixel of a PNG.
Rgb PixelAt(const std::string& png, int32_t x, int32_t y);

// The screen position of the inner area of the window with this title and number, as the
// X server reports it; false when no such window is shown.
bool WindowInnerOrigin(const std::string& title, int32_t window, int32_t& x, int32_t& y);

// The gadget's rectangle relative to the inner area of the window with this title and
// number.
struct Rect {
  int32_t x = 0, y = 0, width = 0, height = 0;
};
Rect GadgetInWindow(const std::string& title, int32_t window, int32_t gadget);

}  // namespace uitest

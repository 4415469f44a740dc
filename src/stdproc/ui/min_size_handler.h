// A window callback that holds a window at 670 x 386 at the least and lays out its main
// gadget and its button on every resize.
#pragma once

#include <cstdint>

namespace stdproc {

// Set by the user of the handler before installing it with rt::SetWindowCallback.
extern int32_t MinSizeWindow;
extern int32_t MinSizeMainGadget;
extern int32_t MinSizeButton;

// On the resize notification (5): raises MinSizeWindow's inner size to the minimum, then
// fills it with the main gadget (10 px margins, 45 px left below) and centres the
// 130 x 30 button under it. Returns rt::WindowCallbackDefault for every message.
uint32_t yMinSizeHandler(int32_t window, int32_t message, int32_t wParam, int32_t lParam);

}  // namespace stdproc

// A shown window with two lines of text over a smooth progress bar.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// Opens the window (400 x 200 inside, centred over the active window) with the bar's
// range 0..maximum at 0. Returns "window/bar/upper text/lower text" as decimal numbers,
// or "" when the window cannot be opened. The caller drives the bar and closes it.
rt::Text yProgressWindow(rt::TextView title, rt::TextView line1, rt::TextView line2,
                         int32_t maximum);

}  // namespace stdproc

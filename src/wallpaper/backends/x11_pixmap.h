// The wallpaper picture as a server-side pixmap covering the X screen.
#pragma once

#include "wallpaper/backends/x11_api.h"
#include "wallpaper/backends/x11_picture.h"

namespace pendrel::backends {

// The picture that `decode` gives, scaled evenly until it covers the screen and centred, as
// a pixmap of the screen's size and depth; None when the screen is not true colour in a
// layout pixman draws, the picture cannot be decoded within budget or the server refused.
// It is drawn and sent in strips, so that no second copy of the whole screen is held here.
Pixmap MakePixmap(const X11Api& x, Display* display, int screen, const ScreenDecoder& decode);

}  // namespace pendrel::backends

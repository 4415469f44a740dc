// One private X server for all the tests of a test program that need a display.
#pragma once

#include <string>

namespace testsupport {

// Starts Xvfb on first use (1024 x 768) and points DISPLAY at it for the rest of the
// process; the display name ":N". With windowManager, a window manager (openbox) runs on
// it too, so windows get their frames and title bars as on a desktop. Throws when a peer
// does not come up.
const std::string& UseSharedDisplay(bool windowManager = false);

}  // namespace testsupport

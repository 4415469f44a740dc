#include "support/shared_display.h"

#include <cstdlib>
#include <stdexcept>

namespace testsupport {

// Wine draws on the X display its server was started with, which the test run starts
// (Xvfb) before any program; there is nothing to start here. No window manager is started
// either: one display serves all the test programs of a run, and a second manager on it
// would fail.
const std::string& UseSharedDisplay(bool) {
  static const std::string display = [] {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) throw std::runtime_error("Wine was started without an X display");
    return std::string(name);
  }();
  return display;
}

}  // namespace testsupport

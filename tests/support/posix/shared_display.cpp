#include "support/shared_display.h"

#include <chrono>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <thread>

#include "support/process.h"
#include "support/xvfb.h"

namespace testsupport {

namespace {

// Waits until a window manager announced itself on the root window.
bool WindowManagerRunning(const std::string& display) {
  ProcessOptions options;
  options.env["DISPLAY"] = display;
  return Run({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, options).out.find("window id") !=
         std::string::npos;
}

std::unique_ptr<Process> StartWindowManager(const std::string& display) {
  ProcessOptions options;
  options.env["DISPLAY"] = display;
  options.captureStderr = true;  // its start-up chatter stays out of the test output
  auto manager = std::make_unique<Process>(std::vector<std::string>{"openbox"}, options);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!WindowManagerRunning(display)) {
    if (std::chrono::steady_clock::now() > deadline) {
      throw std::runtime_error("the window manager (openbox) did not start");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return manager;
}

}  // namespace

const std::string& UseSharedDisplay(bool windowManager) {
  static Xvfb server;
  static const bool pointed = [] {
    setenv("DISPLAY", server.display().c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    return true;
  }();
  (void)pointed;
  static std::unique_ptr<Process> manager;
  if (windowManager && !manager) manager = StartWindowManager(server.display());
  return server.display();
}

}  // namespace testsupport

// Programs that show windows load the font library, which keeps its caches to the end of
// the process; the leak checker of sanitizer builds is told so.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

#include "screen.h"

#include <cstdio>
#include <filesystem>

#include "runtime/timing.h"
#include "runtime/window.h"
#include "support/process.h"
#include "support/shared_display.h"

namespace uitest {

void Settle(int32_t ms) {
  const int32_t start = rt::ElapsedMs();
  while (rt::ElapsedMs() - start < ms) {
    rt::EventNext();
    rt::DelayMs(5);
  }
}

std::string Screenshot(const std::string& name) {
  const std::filesystem::path dir = std::filesystem::path(PENDREL_TEST_BINARY_DIR) / "screenshots";
  std::filesystem::create_directories(dir);
  // The image tools are Linux programs: they get the file's Linux name.
  const std::string file = testsupport::PeerPath(dir / (name + ".png"));
  testsupport::ProcessOptions options;
  options.env["DISPLAY"] = testsupport::UseSharedDisplay();
  testsupport::Run({"import", "-window", "root", file}, options);
  return file;
}

Rgb PixelAt(const std::string& png, int32_t x, int32_t y) {
  auto result = testsupport::Run({"convert", png, "-format",
                                  "%[fx:int(255*p{" + std::to_string(x) + "," + std::to_string(y) +
                                      "}.r)],%[fx:int(255*p{" + std::to_string(x) + "," +
                                      std::to_string(y) + "}.g)],%[fx:int(255*p{" +
                                      std::to_string(x) + "," + std::to_string(y) + "}.b)]",
                                  "info:"});
  Rgb rgb;
  std::sscanf(result.out.c_str(), "%d,%d,%d", &rgb.red, &rgb.green, &rgb.blue);
  return rgb;
}

}  // namespace uitest

namespace uitest {

// A frame drawn inside the X window (a Win32 tool window's) has equal borders at the
// sides and the bottom and the title bar on top; the inner area sits within them.
bool WindowInnerOrigin(const std::string& title, int32_t window, int32_t& x, int32_t& y) {
  testsupport::ProcessOptions options;
  options.env["DISPLAY"] = testsupport::UseSharedDisplay();
  auto id = testsupport::Run({"xdotool", "search", "--name", "^" + title + "$"}, options);
  if (id.out.empty()) return false;
  auto info = testsupport::Run({"xwininfo", "-id", id.out.substr(0, id.out.find('\n'))}, options);
  int32_t width = 0, height = 0;
  if (std::sscanf(info.out.c_str() + info.out.find("Absolute upper-left X:"),
                  "Absolute upper-left X: %d Absolute upper-left Y: %d", &x, &y) != 2 ||
      std::sscanf(info.out.c_str() + info.out.find("Width:"), "Width: %d Height: %d", &width,
                  &height) != 2) {
    return false;
  }
  const int32_t border = (width - rt::WindowInnerWidth(window)) / 2;
  x += border;
  y += height - rt::WindowInnerHeight(window) - border;
  return true;
}

Rect GadgetInWindow(const std::string& title, int32_t window, int32_t gadget) {
  Rect rect;
  int32_t originX = 0, originY = 0;
  if (!WindowInnerOrigin(title, window, originX, originY)) return rect;
  rt::GadgetScreenRect(gadget, rect.x, rect.y, rect.width, rect.height);
  rect.x -= originX;
  rect.y -= originY;
  return rect;
}

}  // namespace uitest

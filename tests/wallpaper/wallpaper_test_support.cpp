#include "wallpaper_test_support.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace wallpapertest {

namespace {

void Save(GdkPixbuf* picture, const std::filesystem::path& file, const char* format) {
  const gboolean saved =
      std::string(format) == "jpeg"
          ? gdk_pixbuf_save(picture, file.c_str(), format, nullptr, "quality", "95", nullptr)
          : gdk_pixbuf_save(picture, file.c_str(), format, nullptr, nullptr);
  g_object_unref(picture);
  if (!saved) throw std::runtime_error("could not write " + file.string());
}

}  // namespace

void WriteJpeg(const std::filesystem::path& file, uint32_t rgb, int width, int height) {
  GdkPixbuf* picture = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
  gdk_pixbuf_fill(picture, (rgb << 8) | 0xFF);
  Save(picture, file, "jpeg");
}

void WriteBands(const std::filesystem::path& file, const char* format, int width, int height,
                bool across, uint32_t first, uint32_t second, uint32_t third) {
  GdkPixbuf* picture = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
  const uint32_t colours[3] = {first, second, third};
  const int band = (across ? width : height) / 3;
  for (int y = 0; y < height; ++y) {
    guchar* p = gdk_pixbuf_get_pixels(picture) + y * gdk_pixbuf_get_rowstride(picture);
    for (int x = 0; x < width; ++x, p += 3) {
      const uint32_t c = colours[std::min((across ? x : y) / band, 2)];
      p[0] = static_cast<guchar>(c >> 16);
      p[1] = static_cast<guchar>(c >> 8);
      p[2] = static_cast<guchar>(c);
    }
  }
  Save(picture, file, format);
}

bool NearColour(uint32_t a, uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
        tolerance) {
      return false;
    }
  }
  return true;
}

ContentSite::ContentSite() : server_(std::make_unique<testsupport::HttpServer>(dir_.path())) {}

void ContentSite::SetPage(const std::string& bytes) {
  testsupport::WriteFileBytes(dir_.path() / "inhalt.php", bytes);
}

std::string PendrelProgram(const std::filesystem::path& workDir) {
  const std::filesystem::path program = workDir / "bin" / "pendrel";
  if (!std::filesystem::exists(program)) {
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::copy_file(PENDREL_E2E_PROGRAM, program);
  }
  return program.string();
}

testsupport::ProcessOptions PendrelOptions(
    const std::filesystem::path& workDir, const std::string& base,
    const std::map<std::string, std::optional<std::string>>& env) {
  testsupport::ProcessOptions options;
  options.workingDirectory = workDir;
  for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "DISPLAY", "WAYLAND_DISPLAY",
                           "SWAYSOCK", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"}) {
    options.env[name] = std::nullopt;
  }
  options.env["PENDREL_TRACE"] = "1";
  options.env["PENDREL_E2E_SERVER_BASE"] = base;
  for (auto& [name, value] : env) options.env[name] = value;
  return options;
}

testsupport::RunResult RunPendrel(const std::filesystem::path& workDir, const std::string& base,
                                  std::map<std::string, std::optional<std::string>> env,
                                  std::chrono::milliseconds timeout) {
  return testsupport::Run({PendrelProgram(workDir)}, PendrelOptions(workDir, base, env), timeout);
}

namespace {

struct DisplayConnection {
  explicit DisplayConnection(const std::string& name) : display(XOpenDisplay(name.c_str())) {
    if (display == nullptr) throw std::runtime_error("cannot open display " + name);
  }
  ~DisplayConnection() { XCloseDisplay(display); }
  Display* display;
};

int errorsSeen = 0;
int CountError(Display*, XErrorEvent*) {
  ++errorsSeen;
  return 0;
}

}  // namespace

uint32_t RootPixel(const std::string& display, int x, int y) {
  DisplayConnection c(display);
  XImage* image =
      XGetImage(c.display, DefaultRootWindow(c.display), x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) throw std::runtime_error("cannot read the root window");
  const unsigned long pixel = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  const Visual* visual = DefaultVisual(c.display, DefaultScreen(c.display));
  uint32_t rgb = 0;
  for (unsigned long mask : {visual->red_mask, visual->green_mask, visual->blue_mask}) {
    // Each channel widened to 8 bits, whatever its width in this visual.
    const unsigned long value = (pixel & mask) / (mask & -mask);
    const unsigned long top = mask / (mask & -mask);
    rgb = (rgb << 8) | static_cast<uint32_t>(value * 255 / top);
  }
  return rgb;
}

unsigned long RootPixmap(const std::string& display) {
  DisplayConnection c(display);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  unsigned long pixmap = 0;
  const Atom property = XInternAtom(c.display, "_XROOTPMAP_ID", False);
  if (XGetWindowProperty(c.display, DefaultRootWindow(c.display), property, 0, 1, False, XA_PIXMAP,
                         &type, &format, &count, &after, &data) == Success &&
      count == 1) {
    pixmap = *reinterpret_cast<unsigned long*>(data);
  }
  if (data != nullptr) XFree(data);
  return pixmap;
}

bool PixmapExists(const std::string& display, unsigned long pixmap) {
  DisplayConnection c(display);
  errorsSeen = 0;
  XErrorHandler previous = XSetErrorHandler(CountError);
  Window root = None;
  int x = 0;
  int y = 0;
  unsigned width = 0;
  unsigned height = 0;
  unsigned border = 0;
  unsigned depth = 0;
  const Status found =
      XGetGeometry(c.display, pixmap, &root, &x, &y, &width, &height, &border, &depth);
  XSync(c.display, False);
  XSetErrorHandler(previous);
  return found != 0 && errorsSeen == 0;
}

}  // namespace wallpapertest

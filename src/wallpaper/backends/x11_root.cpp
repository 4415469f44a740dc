#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <bit>
#include <cstdint>
#include <cstdlib>

#include "wallpaper/backends/backend.h"

namespace pendrel::backends {

namespace {

bool Matches(const Session& session) { return session.x11; }

// Xlib's default error handler ends the process; these calls count errors instead.
int errorCount = 0;
int CountError(Display*, XErrorEvent*) {
  ++errorCount;
  return 0;
}

// The picture scaled, keeping its proportions, until it covers width x height, and cut to
// that size around its centre. Decoding at the target size keeps large photos cheap.
GdkPixbuf* LoadCovering(const char* file, int width, int height) {
  int w = 0;
  int h = 0;
  if (gdk_pixbuf_get_file_info(file, &w, &h) == nullptr || w <= 0 || h <= 0) return nullptr;
  int64_t scaledW = width;
  int64_t scaledH = height;
  if (int64_t{w} * height >= int64_t{h} * width) {
    scaledW = (int64_t{w} * height + h - 1) / h;
  } else {
    scaledH = (int64_t{h} * width + w - 1) / w;
  }
  GdkPixbuf* scaled = gdk_pixbuf_new_from_file_at_scale(file, static_cast<int>(scaledW),
                                                        static_cast<int>(scaledH), FALSE, nullptr);
  if (scaled == nullptr) return nullptr;
  if (gdk_pixbuf_get_width(scaled) < width || gdk_pixbuf_get_height(scaled) < height) {
    g_object_unref(scaled);
    return nullptr;
  }
  GdkPixbuf* cut =
      gdk_pixbuf_new_subpixbuf(scaled, (gdk_pixbuf_get_width(scaled) - width) / 2,
                               (gdk_pixbuf_get_height(scaled) - height) / 2, width, height);
  g_object_unref(scaled);  // the cut keeps what it needs
  return cut;
}

// One colour channel of 8 bits placed into a visual's channel mask.
unsigned long Place(unsigned value, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask);
  const unsigned long scaled = bits >= 8 ? value << (bits - 8) : value >> (8 - bits);
  return (scaled << shift) & mask;
}

// The picture as a pixmap of the root window's depth; None when the screen is not true
// colour or the server refused.
Pixmap MakePixmap(Display* display, int screen, GdkPixbuf* picture) {
  Visual* visual = DefaultVisual(display, screen);
  if (visual->c_class != TrueColor && visual->c_class != DirectColor) return None;
  const int depth = DefaultDepth(display, screen);
  const int width = gdk_pixbuf_get_width(picture);
  const int height = gdk_pixbuf_get_height(picture);
  XImage* image = XCreateImage(display, visual, depth, ZPixmap, 0, nullptr, width, height, 32, 0);
  if (image == nullptr) return None;
  image->data =
      static_cast<char*>(std::malloc(static_cast<size_t>(image->bytes_per_line) * height));
  if (image->data == nullptr) {
    XDestroyImage(image);
    return None;
  }
  const guchar* pixels = gdk_pixbuf_read_pixels(picture);
  const int stride = gdk_pixbuf_get_rowstride(picture);
  const int channels = gdk_pixbuf_get_n_channels(picture);
  for (int y = 0; y < height; ++y) {
    const guchar* p = pixels + static_cast<ptrdiff_t>(y) * stride;
    for (int x = 0; x < width; ++x, p += channels) {
      XPutPixel(image, x, y,
                Place(p[0], visual->red_mask) | Place(p[1], visual->green_mask) |
                    Place(p[2], visual->blue_mask));
    }
  }
  const Window root = RootWindow(display, screen);
  const Pixmap pixmap = XCreatePixmap(display, root, width, height, depth);
  GC gc = XCreateGC(display, pixmap, 0, nullptr);
  XPutImage(display, pixmap, gc, image, 0, 0, 0, 0, width, height);
  XFreeGC(display, gc);
  XDestroyImage(image);
  return pixmap;
}

Pixmap ReadPixmapProperty(Display* display, Window root, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  Pixmap pixmap = None;
  if (XGetWindowProperty(display, root, property, 0, 1, False, XA_PIXMAP, &type, &format, &count,
                         &after, &data) == Success &&
      type == XA_PIXMAP && format == 32 && count == 1) {
    pixmap = *reinterpret_cast<Pixmap*>(data);
  }
  if (data != nullptr) XFree(data);
  return pixmap;
}

// A setter that announced its pixmap under both names kept it alive with RetainPermanent;
// killing that client's resources frees it. Errors here (a pixmap already gone) are
// harmless.
void FreePreviousPixmap(Display* display, Window root, Atom rootPmap, Atom esetrootPmap) {
  const Pixmap previous = ReadPixmapProperty(display, root, rootPmap);
  if (previous == None || previous != ReadPixmapProperty(display, root, esetrootPmap)) return;
  XSync(display, False);
  const int errorsBefore = errorCount;
  XKillClient(display, previous);
  XSync(display, False);
  errorCount = errorsBefore;
}

bool SetRoot(Display* display, int screen, const char* file) {
  GdkPixbuf* picture =
      LoadCovering(file, DisplayWidth(display, screen), DisplayHeight(display, screen));
  if (picture == nullptr) return false;
  const Pixmap pixmap = MakePixmap(display, screen, picture);
  g_object_unref(picture);
  XSync(display, False);
  if (pixmap == None || errorCount != 0) return false;

  const Window root = RootWindow(display, screen);
  const Atom rootPmap = XInternAtom(display, "_XROOTPMAP_ID", False);
  const Atom esetrootPmap = XInternAtom(display, "ESETROOT_PMAP_ID", False);
  FreePreviousPixmap(display, root, rootPmap, esetrootPmap);
  // Compositors and pseudo-transparent terminals read the background from these.
  for (Atom property : {rootPmap, esetrootPmap}) {
    XChangeProperty(display, root, property, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pixmap), 1);
  }
  XSetWindowBackgroundPixmap(display, root, pixmap);
  XClearWindow(display, root);
  XSync(display, False);
  return errorCount == 0;
}

bool Apply(const std::filesystem::path& picture) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  errorCount = 0;
  XErrorHandler previousHandler = XSetErrorHandler(CountError);
  const bool ok = SetRoot(display, DefaultScreen(display), picture.c_str());
  // The pixmap must outlive this connection: the server keeps it until the next setter
  // frees it as above.
  if (ok) XSetCloseDownMode(display, RetainPermanent);
  XCloseDisplay(display);
  XSetErrorHandler(previousHandler);
  return ok;
}

}  // namespace

const WallpaperBackend kX11Root{"x11", Matches, Apply};

}  // namespace pendrel::backends

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "runtime/library.h"
#include "wallpaper/backends/backend.h"

namespace pendrel::backends {

namespace {

// Xlib and GdkPixbuf are loaded only when this backend runs, so that sessions whose
// desktop draws the background never load them.
// clang-format off
#define PENDREL_XLIB_FUNCTIONS(F) \
  F(XOpenDisplay) F(XCloseDisplay) F(XSetErrorHandler) F(XSync) \
  F(XCreateImage) F(XCreatePixmap) F(XCreateGC) F(XPutImage) F(XFreeGC) \
  F(XGetWindowProperty) F(XFree) F(XKillClient) F(XInternAtom) F(XChangeProperty) \
  F(XSetWindowBackgroundPixmap) F(XClearWindow) F(XSetCloseDownMode)
#define PENDREL_PIXBUF_FUNCTIONS(F) \
  F(gdk_pixbuf_get_file_info) F(gdk_pixbuf_new_from_file) F(gdk_pixbuf_new_from_file_at_scale) \
  F(gdk_pixbuf_get_width) F(gdk_pixbuf_get_height) F(gdk_pixbuf_get_rowstride) \
  F(gdk_pixbuf_get_n_channels) F(gdk_pixbuf_read_pixels)
// clang-format on

struct Api {
#define PENDREL_DECLARE(name) decltype(&::name) name = nullptr;
  PENDREL_XLIB_FUNCTIONS(PENDREL_DECLARE)
  PENDREL_PIXBUF_FUNCTIONS(PENDREL_DECLARE)
#undef PENDREL_DECLARE
};

template <class Function>
bool Resolve(int32_t library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(rt::LibraryFunction(library, rt::FromUtf8(name)));
  return function != nullptr;
}

// Both libraries with every function used here; nullptr when one is missing.
const Api* LoadApi() {
  static const Api* const loaded = []() -> const Api* {
    static Api api;
    const int32_t xlib = rt::LibraryOpen(rt::AnyNumber, u"libX11.so.6");
    const int32_t pixbuf = rt::LibraryOpen(rt::AnyNumber, u"libgdk_pixbuf-2.0.so.0");
    if (xlib == 0 || pixbuf == 0) return nullptr;
    bool ok = true;
#define PENDREL_RESOLVE_X(name) ok = Resolve(xlib, #name, api.name) && ok;
#define PENDREL_RESOLVE_PIXBUF(name) ok = Resolve(pixbuf, #name, api.name) && ok;
    PENDREL_XLIB_FUNCTIONS(PENDREL_RESOLVE_X)
    PENDREL_PIXBUF_FUNCTIONS(PENDREL_RESOLVE_PIXBUF)
#undef PENDREL_RESOLVE_X
#undef PENDREL_RESOLVE_PIXBUF
    return ok ? &api : nullptr;
  }();
  return loaded;
}

bool Matches(const Session& session) { return session.x11; }

// Xlib's default error handler ends the process; these calls count errors instead.
int errorCount = 0;
int CountError(Display*, XErrorEvent*) {
  ++errorCount;
  return 0;
}

int CeilDiv(int64_t a, int64_t b) { return static_cast<int>((a + b - 1) / b); }

// The picture decoded at the largest power-of-two reduction that still covers
// width x height once scaled evenly; JPEG decoders make those reductions almost for free.
GdkPixbuf* LoadReduced(const Api& x, const char* file, int width, int height) {
  int w = 0;
  int h = 0;
  if (x.gdk_pixbuf_get_file_info(file, &w, &h) == nullptr || w <= 0 || h <= 0) return nullptr;
  const bool wider = int64_t{w} * height >= int64_t{h} * width;
  const int coverW = wider ? CeilDiv(int64_t{w} * height, h) : width;
  const int coverH = wider ? height : CeilDiv(int64_t{h} * width, w);
  int reduction = 1;
  while (reduction < 8 && CeilDiv(w, reduction * 2) >= coverW &&
         CeilDiv(h, reduction * 2) >= coverH) {
    reduction *= 2;
  }
  if (reduction == 1) return x.gdk_pixbuf_new_from_file(file, nullptr);
  return x.gdk_pixbuf_new_from_file_at_scale(file, CeilDiv(w, reduction), CeilDiv(h, reduction),
                                             FALSE, nullptr);
}

// Where a visual keeps one 8-bit colour channel in a pixel value.
struct Channel {
  explicit Channel(unsigned long mask)
      : mask(mask), shift(mask ? std::countr_zero(mask) : 0), bits(std::popcount(mask)) {}
  unsigned long Place(unsigned value) const {
    const unsigned long scaled = bits >= 8 ? value << (bits - 8) : value >> (8 - bits);
    return (scaled << shift) & mask;
  }
  unsigned long mask;
  int shift;
  int bits;
};

// For each target position along one axis: the two source positions around it and the
// weight (0..256) of the second.
struct Taps {
  std::vector<int> first, second, weight;
};
Taps SampleAxis(int targetSize, int sourceSize, double step, double origin) {
  Taps taps;
  for (int i = 0; i < targetSize; ++i) {
    const double at = std::clamp(origin + (i + 0.5) * step - 0.5, 0.0, sourceSize - 1.0);
    const int first = static_cast<int>(at);
    taps.first.push_back(first);
    taps.second.push_back(std::min(first + 1, sourceSize - 1));
    taps.weight.push_back(static_cast<int>((at - first) * 256));
  }
  return taps;
}

// How the picture maps onto the screen: scaled evenly until it covers the screen, centred.
struct Covering {
  Covering(const Api& x, GdkPixbuf* picture, int width, int height)
      : pixels(x.gdk_pixbuf_read_pixels(picture)),
        stride(x.gdk_pixbuf_get_rowstride(picture)),
        channels(x.gdk_pixbuf_get_n_channels(picture)) {
    const int pw = x.gdk_pixbuf_get_width(picture);
    const int ph = x.gdk_pixbuf_get_height(picture);
    const double step = std::min(double(pw) / width, double(ph) / height);  // source per target
    columns = SampleAxis(width, pw, step, (pw - width * step) / 2);
    rows = SampleAxis(height, ph, step, (ph - height * step) / 2);
  }

  // Samples target row y bilinearly; store(x, r, g, b) writes one pixel.
  template <class Store>
  void Row(int y, Store store) const {
    const guchar* top = pixels + static_cast<ptrdiff_t>(rows.first[y]) * stride;
    const guchar* bottom = pixels + static_cast<ptrdiff_t>(rows.second[y]) * stride;
    const int fy = rows.weight[y];
    for (size_t xi = 0; xi < columns.first.size(); ++xi) {
      const int a = columns.first[xi] * channels;
      const int b = columns.second[xi] * channels;
      const int fx = columns.weight[xi];
      unsigned value[3];
      for (int c = 0; c < 3; ++c) {
        const int upper = top[a + c] * (256 - fx) + top[b + c] * fx;
        const int lower = bottom[a + c] * (256 - fx) + bottom[b + c] * fx;
        value[c] = static_cast<unsigned>((upper * (256 - fy) + lower * fy) >> 16);
      }
      store(static_cast<int>(xi), value[0], value[1], value[2]);
    }
  }

  const guchar* pixels;
  int stride;
  int channels;
  Taps columns;
  Taps rows;
};

// Target rows first.. into the strip image: straight into its memory for the usual 32-bit
// 0xRRGGBB layout, pixel by pixel through Xlib for any other.
void DrawStrip(const Covering& covering, int first, XImage* strip, const Visual* visual) {
  const bool usual =
      strip->bits_per_pixel == 32 && visual->red_mask == 0xFF0000 && visual->green_mask == 0xFF00 &&
      visual->blue_mask == 0xFF &&
      strip->byte_order == (std::endian::native == std::endian::little ? LSBFirst : MSBFirst);
  const Channel red(visual->red_mask), green(visual->green_mask), blue(visual->blue_mask);
  for (int y = 0; y < strip->height; ++y) {
    if (usual) {
      auto* row = reinterpret_cast<uint32_t*>(strip->data +
                                              static_cast<ptrdiff_t>(y) * strip->bytes_per_line);
      covering.Row(first + y, [row](int xi, unsigned r, unsigned g, unsigned b) {
        row[xi] = (r << 16) | (g << 8) | b;
      });
    } else {
      covering.Row(first + y, [&](int xi, unsigned r, unsigned g, unsigned b) {
        XPutPixel(strip, xi, y, red.Place(r) | green.Place(g) | blue.Place(b));
      });
    }
  }
}

// The picture as a pixmap of the screen's size and depth; None when the screen is not
// true colour, the picture cannot be decoded or the server refused. It is drawn and sent
// in strips, so that no second copy of the whole screen is held here.
Pixmap MakePixmap(const Api& x, Display* display, int screen, const char* file) {
  constexpr int kStripRows = 64;
  Visual* visual = DefaultVisual(display, screen);
  if (visual->c_class != TrueColor && visual->c_class != DirectColor) return None;
  const int width = DisplayWidth(display, screen);
  const int height = DisplayHeight(display, screen);
  GdkPixbuf* picture = LoadReduced(x, file, width, height);
  if (picture == nullptr) return None;
  const int depth = DefaultDepth(display, screen);
  XImage* strip =
      x.XCreateImage(display, visual, depth, ZPixmap, 0, nullptr, width, kStripRows, 32, 0);
  Pixmap pixmap = None;
  if (strip != nullptr) {
    strip->data =
        static_cast<char*>(std::malloc(static_cast<size_t>(strip->bytes_per_line) * kStripRows));
    if (strip->data != nullptr) {
      const Covering covering(x, picture, width, height);
      pixmap = x.XCreatePixmap(display, RootWindow(display, screen), width, height, depth);
      GC gc = x.XCreateGC(display, pixmap, 0, nullptr);
      for (int first = 0; first < height; first += kStripRows) {
        strip->height = std::min(kStripRows, height - first);
        DrawStrip(covering, first, strip, visual);
        x.XPutImage(display, pixmap, gc, strip, 0, 0, 0, first, width, strip->height);
      }
      x.XFreeGC(display, gc);
    }
    XDestroyImage(strip);
  }
  g_object_unref(picture);
  return pixmap;
}

Pixmap ReadPixmapProperty(const Api& x, Display* display, Window root, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  Pixmap pixmap = None;
  if (x.XGetWindowProperty(display, root, property, 0, 1, False, XA_PIXMAP, &type, &format, &count,
                           &after, &data) == Success &&
      type == XA_PIXMAP && format == 32 && count == 1) {
    pixmap = *reinterpret_cast<Pixmap*>(data);
  }
  if (data != nullptr) x.XFree(data);
  return pixmap;
}

// A setter that announced its pixmap under both names kept it alive with RetainPermanent;
// killing that client's resources frees it. Errors here (a pixmap already gone) are
// harmless.
void FreePreviousPixmap(const Api& x, Display* display, Window root, Atom rootPmap,
                        Atom esetrootPmap) {
  const Pixmap previous = ReadPixmapProperty(x, display, root, rootPmap);
  if (previous == None || previous != ReadPixmapProperty(x, display, root, esetrootPmap)) return;
  x.XSync(display, False);
  const int errorsBefore = errorCount;
  x.XKillClient(display, previous);
  x.XSync(display, False);
  errorCount = errorsBefore;
}

bool SetRoot(const Api& x, Display* display, int screen, const char* file) {
  const Pixmap pixmap = MakePixmap(x, display, screen, file);
  x.XSync(display, False);
  if (pixmap == None || errorCount != 0) return false;

  const Window root = RootWindow(display, screen);
  const Atom rootPmap = x.XInternAtom(display, "_XROOTPMAP_ID", False);
  const Atom esetrootPmap = x.XInternAtom(display, "ESETROOT_PMAP_ID", False);
  FreePreviousPixmap(x, display, root, rootPmap, esetrootPmap);
  // Compositors and pseudo-transparent terminals read the background from these.
  for (Atom property : {rootPmap, esetrootPmap}) {
    x.XChangeProperty(display, root, property, XA_PIXMAP, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(&pixmap), 1);
  }
  x.XSetWindowBackgroundPixmap(display, root, pixmap);
  x.XClearWindow(display, root);
  x.XSync(display, False);
  return errorCount == 0;
}

bool Apply(const std::filesystem::path& picture) {
  const Api* x = LoadApi();
  if (x == nullptr) return false;
  Display* display = x->XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  errorCount = 0;
  XErrorHandler previousHandler = x->XSetErrorHandler(CountError);
  const bool ok = SetRoot(*x, display, DefaultScreen(display), picture.c_str());
  // The pixmap must outlive this connection: the server keeps it until the next setter
  // frees it as above.
  if (ok) x->XSetCloseDownMode(display, RetainPermanent);
  x->XCloseDisplay(display);
  x->XSetErrorHandler(previousHandler);
  return ok;
}

}  // namespace

const WallpaperBackend kX11Root{"x11", Matches, Apply};

}  // namespace pendrel::backends

#include "wallpaper/backends/x11_pixmap.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "wallpaper/backends/x11_picture.h"

namespace pendrel::backends {

namespace {

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
  Covering(const X11Api& x, GdkPixbuf* picture, int width, int height)
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

}  // namespace

Pixmap MakePixmap(const X11Api& x, Display* display, int screen,
                  const std::filesystem::path& file) {
  constexpr int kStripRows = 64;
  Visual* visual = DefaultVisual(display, screen);
  if (visual->c_class != TrueColor && visual->c_class != DirectColor) return None;
  const int width = DisplayWidth(display, screen);
  const int height = DisplayHeight(display, screen);
  GdkPixbuf* picture = DecodeForScreen(x, file, width, height);
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

}  // namespace pendrel::backends

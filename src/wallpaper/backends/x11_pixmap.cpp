#include "wallpaper/backends/x11_pixmap.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace pendrel::backends {

namespace {

// The pixman format that lays out pixels as the screen's visual does, with red, green and
// blue in either order; 0 for a layout pixman cannot draw.
pixman_format_code_t ScreenFormat(const Visual& visual, int bitsPerPixel) {
  const int r = std::popcount(visual.red_mask);
  const int g = std::popcount(visual.green_mask);
  const int b = std::popcount(visual.blue_mask);
  const auto field = [](int bits, int shift) { return ((1UL << bits) - 1) << shift; };
  const struct {
    int type;
    unsigned long red, green, blue;
  } orders[] = {{PIXMAN_TYPE_ARGB, field(r, g + b), field(g, b), field(b, 0)},
                {PIXMAN_TYPE_ABGR, field(r, 0), field(g, r), field(b, r + g)}};
  for (const auto& order : orders) {
    const auto format =
        static_cast<pixman_format_code_t>(PIXMAN_FORMAT(bitsPerPixel, order.type, 0, r, g, b));
    if (order.red == visual.red_mask && order.green == visual.green_mask &&
        order.blue == visual.blue_mask && pixman_format_supported_destination(format)) {
      return format;
    }
  }
  return static_cast<pixman_format_code_t>(0);
}

// Maps the screen onto the picture as `covering` says, for an image of the picture's rows
// from `top` down, repeating the edge pixels where a filter reaches past them.
void SetCovering(pixman_image_t* picture, const Covering& covering, int top) {
  pixman_transform_t transform;
  pixman_transform_init_scale(&transform, pixman_double_to_fixed(covering.step),
                              pixman_double_to_fixed(covering.step));
  transform.matrix[0][2] = pixman_double_to_fixed(covering.left);
  transform.matrix[1][2] = pixman_double_to_fixed(covering.top - top);
  pixman_image_set_transform(picture, &transform);
  // A picture decoded at the screen's own scale is only cut, pixel for pixel.
  pixman_image_set_filter(
      picture, covering.step == 1 ? PIXMAN_FILTER_NEAREST : PIXMAN_FILTER_BILINEAR, nullptr, 0);
  pixman_image_set_repeat(picture, PIXMAN_REPEAT_PAD);
}

}  // namespace

Pixmap MakePixmap(const X11Api& x, Display* display, int screen, const ScreenDecoder& decode) {
  // Small enough for the socket to take a strip at once, so that the X server copies one
  // while the next is decoded.
  constexpr int kStripRows = 16;
  Visual* visual = DefaultVisual(display, screen);
  if (visual->c_class != TrueColor && visual->c_class != DirectColor) return None;
  const int width = DisplayWidth(display, screen);
  const int height = DisplayHeight(display, screen);
  const int depth = DefaultDepth(display, screen);
  XImage* strip =
      x.XCreateImage(display, visual, depth, ZPixmap, 0, nullptr, width, kStripRows, 32, 0);
  if (strip == nullptr) return None;
  // pixman writes in this machine's byte order; Xlib turns it round for a server that differs.
  strip->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
  strip->data =
      static_cast<char*>(std::malloc(static_cast<size_t>(strip->bytes_per_line) * kStripRows));
  const pixman_format_code_t format = ScreenFormat(*visual, strip->bits_per_pixel);
  PixmanImage target(strip->data != nullptr && format != 0
                         ? pixman_image_create_bits(format, width, kStripRows,
                                                    reinterpret_cast<uint32_t*>(strip->data),
                                                    strip->bytes_per_line)
                         : nullptr);
  const ScreenPicture picture = target ? decode(width, height) : ScreenPicture{};
  Pixmap pixmap = None;
  if (picture.height > 0) {
    pixmap = x.XCreatePixmap(display, RootWindow(display, screen), width, height, depth);
    GC gc = x.XCreateGC(display, pixmap, 0, nullptr);
    for (int first = 0; first < height; first += kStripRows) {
      const int rows = std::min(kStripRows, height - first);
      const RowSpan shown = RowsShown(picture.covering, picture.height, {first, first + rows});
      const PixmanImage source = picture.rows(shown);
      if (!source) {
        x.XFreePixmap(display, pixmap);
        pixmap = None;
        break;
      }
      SetCovering(source.get(), picture.covering, shown.first);
      pixman_image_composite32(PIXMAN_OP_SRC, source.get(), nullptr, target.get(), 0, first, 0, 0,
                               0, 0, width, rows);
      x.XPutImage(display, pixmap, gc, strip, 0, 0, 0, first, width, rows);
    }
    x.XFreeGC(display, gc);
  }
  target.reset();
  XDestroyImage(strip);
  return pixmap;
}

}  // namespace pendrel::backends

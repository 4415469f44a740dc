// The Xlib and GdkPixbuf functions the X root backend uses, loaded only when it runs, so
// that sessions whose desktop draws the background never load either library; GdkPixbuf
// only for pictures that are not JPEG.
#pragma once

#include <X11/Xlib.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include "wallpaper/backends/loaded_api.h"

namespace pendrel::backends {

// clang-format off
#define PENDREL_XLIB_FUNCTIONS(F) \
  F(XOpenDisplay) F(XCloseDisplay) F(XSetErrorHandler) F(XSetIOErrorHandler) F(XSync) \
  F(XCreateImage) F(XCreatePixmap) F(XFreePixmap) F(XCreateGC) F(XPutImage) F(XFreeGC) \
  F(XGetWindowProperty) F(XFree) F(XKillClient) F(XInternAtom) F(XChangeProperty) \
  F(XSetWindowBackgroundPixmap) F(XClearWindow) F(XSetCloseDownMode) F(XGrabServer)
#define PENDREL_PIXBUF_FUNCTIONS(F) \
  F(gdk_pixbuf_get_file_info) F(gdk_pixbuf_new_from_file) \
  F(gdk_pixbuf_get_width) F(gdk_pixbuf_get_height) F(gdk_pixbuf_get_rowstride) \
  F(gdk_pixbuf_get_n_channels) F(gdk_pixbuf_read_pixels) F(g_object_unref)
// clang-format on

struct X11Api {
  PENDREL_XLIB_FUNCTIONS(PENDREL_DECLARE_FUNCTION)
};
struct PixbufApi {
  PENDREL_PIXBUF_FUNCTIONS(PENDREL_DECLARE_FUNCTION)
};

// Each library with every function above, loaded on the first call; nullptr when missing.
const X11Api* LoadX11Api();
// Xlib mapped ahead of LoadX11Api, on any thread.
void PreloadX11();
const PixbufApi* LoadPixbufApi();

}  // namespace pendrel::backends

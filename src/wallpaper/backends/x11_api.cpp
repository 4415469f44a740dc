#include "wallpaper/backends/x11_api.h"

namespace pendrel::backends {

namespace {

constexpr char16_t kXlib[] = u"libX11.so.6";

}  // namespace

const X11Api* LoadX11Api() {
  static const X11Api* const loaded = LoadApi<X11Api>(kXlib, [](int32_t library, X11Api& api) {
    bool ok = true;
    PENDREL_XLIB_FUNCTIONS(PENDREL_RESOLVE_FUNCTION)
    return ok;
  });
  return loaded;
}

void PreloadX11() { PreloadLibrary(kXlib); }

const PixbufApi* LoadPixbufApi() {
  static const PixbufApi* const loaded =
      LoadApi<PixbufApi>(u"libgdk_pixbuf-2.0.so.0", [](int32_t library, PixbufApi& api) {
        bool ok = true;
        PENDREL_PIXBUF_FUNCTIONS(PENDREL_RESOLVE_FUNCTION)
        return ok;
      });
  return loaded;
}

}  // namespace pendrel::backends

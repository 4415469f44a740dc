#include "wallpaper/backends/x11_api.h"

#include <cstdint>

#include "runtime/library.h"

namespace pendrel::backends {

namespace {

template <class Function>
bool Resolve(int32_t library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(rt::LibraryFunction(library, rt::FromUtf8(name)));
  return function != nullptr;
}

}  // namespace

const X11Api* LoadX11Api() {
  static const X11Api* const loaded = []() -> const X11Api* {
    static X11Api api;
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

}  // namespace pendrel::backends

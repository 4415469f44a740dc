#include "wallpaper/backends/x11_api.h"

#include <cstdint>

#include "runtime/library.h"
#include "runtime/platform/dynamic_library.h"

namespace pendrel::backends {

namespace {

template <class Function>
bool Resolve(int32_t library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(rt::LibraryFunction(library, rt::FromUtf8(name)));
  return function != nullptr;
}

// Opens `library` and fills in the table through resolveAll; nullptr when anything is missing.
template <class Api, class ResolveAll>
const Api* Load(const char16_t* library, ResolveAll resolveAll) {
  static Api api;
  const int32_t number = rt::LibraryOpen(rt::AnyNumber, library);
  return number != 0 && resolveAll(number, api) ? &api : nullptr;
}

#define PENDREL_RESOLVE(name) ok = Resolve(library, #name, api.name) && ok;

}  // namespace

constexpr char16_t kXlib[] = u"libX11.so.6";

const X11Api* LoadX11Api() {
  static const X11Api* const loaded = Load<X11Api>(kXlib, [](int32_t library, X11Api& api) {
    bool ok = true;
    PENDREL_XLIB_FUNCTIONS(PENDREL_RESOLVE)
    return ok;
  });
  return loaded;
}

// Past the runtime's table of libraries, which belongs to the main thread. The handle stays
// open for the process's life: closing it could unload Xlib before LoadX11Api finds it.
void PreloadX11() { rt::platform::OpenLibrary(rt::ToUtf8(kXlib)); }

const PixbufApi* LoadPixbufApi() {
  static const PixbufApi* const loaded =
      Load<PixbufApi>(u"libgdk_pixbuf-2.0.so.0", [](int32_t library, PixbufApi& api) {
        bool ok = true;
        PENDREL_PIXBUF_FUNCTIONS(PENDREL_RESOLVE)
        return ok;
      });
  return loaded;
}

#undef PENDREL_RESOLVE

}  // namespace pendrel::backends

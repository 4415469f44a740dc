#include "wallpaper/backends/gio_api.h"

namespace pendrel::backends {

namespace {

// GIO's own dependencies bring GLib and GObject, whose functions its handle finds too.
constexpr char16_t kGio[] = u"libgio-2.0.so.0";

}  // namespace

const GioApi* LoadGioApi() {
  static const GioApi* const loaded = LoadApi<GioApi>(kGio, [](int32_t library, GioApi& api) {
    bool ok = true;
    PENDREL_GIO_FUNCTIONS(PENDREL_RESOLVE_FUNCTION)
    return ok;
  });
  return loaded;
}

void PreloadGio() { PreloadLibrary(kGio); }

}  // namespace pendrel::backends

// The GLib, GObject and GIO functions of the backends that talk to the desktop's settings
// and services, loaded only when such a backend runs: other sessions, and runs without a
// desktop, never map these libraries.
#pragma once

#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

#include "wallpaper/backends/loaded_api.h"

namespace pendrel::backends {

// clang-format off
#define PENDREL_GIO_FUNCTIONS(F) \
  F(g_free) F(g_utf8_validate) F(g_filename_to_uri) F(g_object_unref) F(g_type_name) \
  F(g_bus_get_sync) F(g_dbus_connection_call_sync) \
  F(g_variant_new) F(g_variant_new_string) F(g_variant_ref_sink) F(g_variant_unref) \
  F(g_variant_get) F(g_variant_get_string) F(g_variant_is_of_type) F(g_variant_iter_loop) \
  F(g_variant_iter_free) \
  F(g_settings_schema_source_get_default) F(g_settings_schema_source_lookup) \
  F(g_settings_schema_has_key) F(g_settings_schema_unref) F(g_settings_backend_get_default) \
  F(g_settings_new_full) F(g_settings_get_string) F(g_settings_set_string) F(g_settings_sync)
// clang-format on

struct GioApi {
  PENDREL_GIO_FUNCTIONS(PENDREL_DECLARE_FUNCTION)
};

// GIO with every function above, loaded on the first call; nullptr when missing.
const GioApi* LoadGioApi();
// GIO mapped ahead of LoadGioApi, on any thread.
void PreloadGio();

}  // namespace pendrel::backends

#include "wallpaper/backends/gsettings_text.h"

#include <cstring>
#include <vector>

#include "wallpaper/backends/gio_api.h"
#include "wallpaper/backends/session_bus.h"

namespace pendrel::backends {

namespace {

// The desktops watch their settings in dconf, whose service sits on the session bus. Any
// other store (the memory one GSettings falls back to, a key file) is not what the
// desktop reads, and without an announced bus dconf would have GDBus launch one.
bool DesktopSettingsStore(const GioApi& gio) {
  if (!SessionBusAnnounced()) return false;
  GSettingsBackend* backend = gio.g_settings_backend_get_default();
  const bool dconf =
      std::strcmp(gio.g_type_name(G_OBJECT_TYPE(backend)), "DConfSettingsBackend") == 0;
  gio.g_object_unref(backend);
  return dconf;
}

bool Holds(const GioApi& gio, GSettings* settings, const char* key, const char* value) {
  gchar* current = gio.g_settings_get_string(settings, key);
  const bool same = std::strcmp(current, value) == 0;
  gio.g_free(current);
  return same;
}

// Sets the keys and waits until the settings service has answered, so that the run does
// not end before its writes went out. A write the service refused shows only in what is
// read afterwards.
bool StoreAndConfirm(const GioApi& gio, GSettings* settings, const std::vector<const char*>& keys,
                     const char* value) {
  for (const char* key : keys) {
    if (!gio.g_settings_set_string(settings, key, value)) return false;
  }
  gio.g_settings_sync();
  for (const char* key : keys) {
    if (!Holds(gio, settings, key, value)) return false;
  }
  return true;
}

}  // namespace

bool SetGSettingsText(const char* schemaId, std::initializer_list<const char*> keys,
                      const std::string& value) {
  const GioApi* gio = LoadGioApi();
  if (gio == nullptr || value.empty()) return false;
  GSettingsSchemaSource* source = gio->g_settings_schema_source_get_default();
  if (source == nullptr || !gio->g_utf8_validate(value.c_str(), -1, nullptr)) return false;
  // g_settings_new aborts the process for a schema that is not installed.
  GSettingsSchema* schema = gio->g_settings_schema_source_lookup(source, schemaId, TRUE);
  if (schema == nullptr) return false;
  std::vector<const char*> present;
  for (const char* key : keys) {
    if (gio->g_settings_schema_has_key(schema, key)) present.push_back(key);
  }
  bool ok = !present.empty() && DesktopSettingsStore(*gio);
  if (ok) {
    GSettings* settings = gio->g_settings_new_full(schema, nullptr, nullptr);
    // A key that already holds the value is left alone: these desktops watch the file they
    // show and load it again when it is replaced. A change of the key would have them drop
    // that watch and take the old picture from their cache when the replacement is noticed
    // only after the watch was gone.
    std::vector<const char*> changed;
    for (const char* key : present) {
      if (!Holds(*gio, settings, key, value.c_str())) changed.push_back(key);
    }
    ok = StoreAndConfirm(*gio, settings, changed, value.c_str());
    gio->g_object_unref(settings);
  }
  gio->g_settings_schema_unref(schema);
  return ok;
}

}  // namespace pendrel::backends

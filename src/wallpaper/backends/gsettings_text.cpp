#define G_SETTINGS_ENABLE_BACKEND
#include "wallpaper/backends/gsettings_text.h"

#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

#include <cstring>
#include <vector>

namespace pendrel::backends {

namespace {

// Without dconf GSettings falls back to a store that forgets everything at exit; writing
// there would report a change that never happens.
bool SettingsAreKept() {
  GSettingsBackend* backend = g_settings_backend_get_default();
  const char* type = G_OBJECT_TYPE_NAME(backend);
  const bool kept = std::strcmp(type, "GMemorySettingsBackend") != 0 &&
                    std::strcmp(type, "GNullSettingsBackend") != 0;
  g_object_unref(backend);
  return kept;
}

bool SetText(GSettings* settings, const char* key, const std::string& value) {
  gchar* current = g_settings_get_string(settings, key);
  const bool same = value == current;
  g_free(current);
  if (same && !g_settings_set_string(settings, key, "")) return false;
  return g_settings_set_string(settings, key, value.c_str());
}

}  // namespace

bool SetGSettingsText(const char* schemaId, std::initializer_list<const char*> keys,
                      const std::string& value) {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  if (source == nullptr || !g_utf8_validate(value.c_str(), -1, nullptr)) return false;
  // g_settings_new aborts the process for a schema that is not installed.
  GSettingsSchema* schema = g_settings_schema_source_lookup(source, schemaId, TRUE);
  if (schema == nullptr) return false;
  std::vector<const char*> present;
  for (const char* key : keys) {
    if (g_settings_schema_has_key(schema, key)) present.push_back(key);
  }
  bool ok = !present.empty() && SettingsAreKept();
  if (ok) {
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    for (const char* key : present) ok = SetText(settings, key, value) && ok;
    // The writes travel to the settings service asynchronously; the process ends soon.
    g_settings_sync();
    g_object_unref(settings);
  }
  g_settings_schema_unref(schema);
  return ok;
}

}  // namespace pendrel::backends

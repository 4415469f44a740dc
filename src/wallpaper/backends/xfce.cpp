#include <string>
#include <utility>
#include <vector>

#include "wallpaper/backends/backend.h"
#include "wallpaper/backends/session_bus.h"

namespace pendrel::backends {

namespace {

constexpr const char* kChannel = "xfce4-desktop";
// Where xfdesktop keeps the first workspace's picture of the first monitor.
constexpr const char* kUsualProperty = "/backdrop/screen0/monitor0/workspace0/last-image";

bool Matches(const Session& session) { return session.Is({"xfce"}); }

GVariant* CallXfconf(const GioApi& gio, const char* method, GVariant* parameters) {
  return CallSessionBus(gio, "org.xfce.Xfconf", "/org/xfce/Xfconf", "org.xfce.Xfconf", method,
                        parameters);
}

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Every picture property of the channel (one per monitor and workspace) with its value.
std::vector<std::pair<std::string, std::string>> LastImages(const GioApi& gio) {
  std::vector<std::pair<std::string, std::string>> found;
  GVariant* reply =
      CallXfconf(gio, "GetAllProperties", gio.g_variant_new("(ss)", kChannel, "/backdrop"));
  if (reply == nullptr) return found;
  GVariantIter* properties = nullptr;
  gio.g_variant_get(reply, "(a{sv})", &properties);
  const gchar* name = nullptr;
  GVariant* value = nullptr;
  while (gio.g_variant_iter_loop(properties, "{&sv}", &name, &value)) {
    if (!EndsWith(name, "/last-image")) continue;
    const bool text = gio.g_variant_is_of_type(value, G_VARIANT_TYPE_STRING);
    found.emplace_back(name, text ? gio.g_variant_get_string(value, nullptr) : "");
  }
  gio.g_variant_iter_free(properties);
  gio.g_variant_unref(reply);
  return found;
}

bool SetProperty(const GioApi& gio, const std::string& property, const std::string& value) {
  GVariant* reply = CallXfconf(gio, "SetProperty",
                               gio.g_variant_new("(ssv)", kChannel, property.c_str(),
                                                 gio.g_variant_new_string(value.c_str())));
  if (reply == nullptr) return false;
  gio.g_variant_unref(reply);
  return true;
}

bool Apply(const std::filesystem::path& picture) {
  const GioApi* gio = LoadGioApi();
  const std::string path = picture.string();
  if (gio == nullptr || !gio->g_utf8_validate(path.c_str(), -1, nullptr)) return false;
  std::vector<std::pair<std::string, std::string>> properties = LastImages(*gio);
  if (properties.empty()) properties.emplace_back(kUsualProperty, "");
  bool ok = true;
  for (const auto& [property, current] : properties) {
    // xfdesktop loads the file again only when the value changes.
    if (current == path) ok = SetProperty(*gio, property, "") && ok;
    ok = SetProperty(*gio, property, path) && ok;
  }
  return ok;
}

}  // namespace

const WallpaperBackend kXfce{"xfce", Matches, Apply, PreloadGio};

}  // namespace pendrel::backends

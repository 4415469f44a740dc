#include "wallpaper/backends/backend.h"
#include "wallpaper/backends/gio_api.h"
#include "wallpaper/backends/gsettings_text.h"

namespace pendrel::backends {

namespace {

bool Matches(const Session& session) {
  return session.Is({"gnome", "ubuntu", "budgie", "pantheon", "unity"});
}

// Since GNOME 42 the dark style shows a key of its own.
bool Apply(const std::filesystem::path& picture) {
  return SetGSettingsText("org.gnome.desktop.background", {"picture-uri", "picture-uri-dark"},
                          FileUri(picture));
}

}  // namespace

const WallpaperBackend kGnome{"gnome", Matches, Apply, PreloadGio};

}  // namespace pendrel::backends

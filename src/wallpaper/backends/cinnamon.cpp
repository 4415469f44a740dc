#include "wallpaper/backends/backend.h"
#include "wallpaper/backends/gio_api.h"
#include "wallpaper/backends/gsettings_text.h"

namespace pendrel::backends {

namespace {

bool Matches(const Session& session) { return session.Is({"cinnamon"}); }

bool Apply(const std::filesystem::path& picture) {
  return SetGSettingsText("org.cinnamon.desktop.background", {"picture-uri"}, FileUri(picture));
}

}  // namespace

const WallpaperBackend kCinnamon{"cinnamon", Matches, Apply, PreloadGio};

}  // namespace pendrel::backends

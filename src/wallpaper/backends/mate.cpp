#include "wallpaper/backends/backend.h"
#include "wallpaper/backends/gio_api.h"
#include "wallpaper/backends/gsettings_text.h"

namespace pendrel::backends {

namespace {

bool Matches(const Session& session) { return session.Is({"mate"}); }

// MATE keeps a plain file name, not a URI.
bool Apply(const std::filesystem::path& picture) {
  return SetGSettingsText("org.mate.background", {"picture-filename"}, picture.string());
}

}  // namespace

const WallpaperBackend kMate{"mate", Matches, Apply, PreloadGio};

}  // namespace pendrel::backends

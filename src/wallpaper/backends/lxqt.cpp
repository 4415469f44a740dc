#include "wallpaper/backends/backend.h"
#include "wallpaper/backends/pcmanfm.h"

namespace pendrel::backends {

namespace {

bool Matches(const Session& session) { return session.Is({"lxqt"}); }

bool Apply(const std::filesystem::path& picture) {
  return SetWallpaperWithPcmanfm("pcmanfm-qt", picture);
}

}  // namespace

const WallpaperBackend kLxqt{"lxqt", Matches, Apply};

}  // namespace pendrel::backends

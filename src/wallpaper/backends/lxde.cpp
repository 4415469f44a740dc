#include "wallpaper/backends/backend.h"
#include "wallpaper/backends/pcmanfm.h"

namespace pendrel::backends {

namespace {

bool Matches(const Session& session) { return session.Is({"lxde"}); }

bool Apply(const std::filesystem::path& picture) {
  return SetWallpaperWithPcmanfm("pcmanfm", picture);
}

}  // namespace

const WallpaperBackend kLxde{"lxde", Matches, Apply};

}  // namespace pendrel::backends

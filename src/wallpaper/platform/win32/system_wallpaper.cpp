#include <windows.h>

#include <string>

#include "wallpaper/platform/desktop_wallpaper.h"

namespace pendrel::backends {

// Windows has one wallpaper setting for every desktop: the path is stored in the user's
// profile and every top-level window hears of the change. It reads the file again each
// time, so setting the same path again shows its new content.
std::string_view ApplyWallpaper(const std::filesystem::path& picture,
                                std::unique_ptr<WallpaperHeadStart>) {
  std::wstring path = picture.wstring();
  const bool set = SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(),
                                         SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE) != 0;
  return set ? "SystemParametersInfoW" : "";
}

// Setting the path is all there is to do, after the picture is saved.
std::unique_ptr<WallpaperHeadStart> BeginWallpaper(std::shared_ptr<const PictureArrival>) {
  return nullptr;
}

// The setting is part of user32, which every Windows program has loaded.
std::future<void> PrepareWallpaper() { return {}; }

}  // namespace pendrel::backends

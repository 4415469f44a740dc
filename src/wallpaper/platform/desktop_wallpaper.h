// Making a picture the desktop background: on Linux through the backend of the running
// desktop (backends/), on Windows through the system's own setting (platform/win32/).
#pragma once

#include <filesystem>
#include <future>
#include <memory>
#include <string_view>

#include "wallpaper/picture_arrival.h"

namespace pendrel::backends {

// What the session's first way of setting the background began on the picture while it was
// downloading. Its destructor waits for the helper thread and drops what was begun.
class WallpaperHeadStart {
 public:
  virtual ~WallpaperHeadStart() = default;
  // Sets the picture now saved at its absolute path (or, when the download failed, the file
  // as it was) the way ApplyWallpaper would, taking up what was begun; false on failure.
  virtual bool Finish(const std::filesystem::path& picture) = 0;
};

// Begins, on a helper thread, what the session's first way can do with the picture while
// `arrival` brings it; nullptr when that way has nothing to begin.
std::unique_ptr<WallpaperHeadStart> BeginWallpaper(std::shared_ptr<const PictureArrival> arrival);

// Sets the picture at its absolute path as the background, keeps it for later logons and
// lets the desktop show it; the name of the way that succeeded, or "" when none did.
// `headStart`, from BeginWallpaper for this picture, saves the first way work.
std::string_view ApplyWallpaper(const std::filesystem::path& picture,
                                std::unique_ptr<WallpaperHeadStart> headStart = nullptr);

// Loads what ApplyWallpaper will need on a helper thread, so that this happens while the
// page loads; the result's destructor waits for it.
[[nodiscard]] std::future<void> PrepareWallpaper();

}  // namespace pendrel::backends

// Making a picture the desktop background: on Linux through the backend of the running
// desktop (backends/), on Windows through the system's own setting (platform/win32/).
#pragma once

#include <filesystem>
#include <future>
#include <string_view>

namespace pendrel::backends {

// Sets the picture at its absolute path as the background, keeps it for later logons and
// lets the desktop show it; the name of the way that succeeded, or "" when none did.
std::string_view ApplyWallpaper(const std::filesystem::path& picture);

// Loads what ApplyWallpaper will need on a helper thread, so that this happens while the
// page loads; the result's destructor waits for it.
[[nodiscard]] std::future<void> PrepareWallpaper();

}  // namespace pendrel::backends

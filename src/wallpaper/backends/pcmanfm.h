// The file managers that draw the LXDE and LXQt desktops, told through their command line.
#pragma once

#include <filesystem>

namespace pendrel::backends {

// Runs `program --set-wallpaper=PATH` (argv, never a shell) so that it shows the file's
// current content; true when it succeeded.
bool SetWallpaperWithPcmanfm(const char* program, const std::filesystem::path& picture);

}  // namespace pendrel::backends

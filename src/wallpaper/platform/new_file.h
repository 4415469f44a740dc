// The file operation of the picture download that differs by system: creating its
// temporary file.
#pragma once

#include <cstdio>
#include <filesystem>

namespace pendrel::platform {

// Creates `file`, which must not exist yet, and opens it for writing bytes; nullptr when
// it exists or cannot be made. While open it may be removed (a run told to end removes its
// unfinished temporary).
std::FILE* CreateNewFile(const std::filesystem::path& file);

}  // namespace pendrel::platform

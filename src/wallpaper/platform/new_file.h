// The file operations of the picture download that differ by system: creating its
// temporary file and handing its bytes to the disk early.
#pragma once

#include <cstdio>
#include <filesystem>

namespace pendrel::platform {

// Creates `file`, which must not exist yet, and opens it for writing bytes; nullptr when
// it exists or cannot be made. While open it may be removed (a run told to end removes its
// unfinished temporary).
std::FILE* CreateNewFile(const std::filesystem::path& file);

// Starts writing to the disk what has reached `file` so far, without waiting for it. Where
// the file system writes out a file renamed over another before the rename returns, the
// rename that replaces the picture then finds little left to write.
void StartWriteBack(std::FILE* file);

}  // namespace pendrel::platform

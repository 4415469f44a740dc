#include "wallpaper/platform/new_file.h"

#include <fcntl.h>

namespace pendrel::platform {

std::FILE* CreateNewFile(const std::filesystem::path& file) {
  return std::fopen(file.c_str(), "wbx");
}

void StartWriteBack(std::FILE* file) { sync_file_range(fileno(file), 0, 0, SYNC_FILE_RANGE_WRITE); }

}  // namespace pendrel::platform

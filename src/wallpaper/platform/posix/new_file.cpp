#include "wallpaper/platform/new_file.h"

namespace pendrel::platform {

std::FILE* CreateNewFile(const std::filesystem::path& file) {
  return std::fopen(file.c_str(), "wbx");
}

}  // namespace pendrel::platform

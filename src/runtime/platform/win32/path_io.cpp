#include "runtime/platform/path_io.h"

#include <windows.h>

#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

PathInfo QueryPath(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA info{};
  if (path.empty() || !GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &info)) {
    return {};
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return {PathKind::kDirectory, 0};
  return {PathKind::kFile, static_cast<int64_t>((static_cast<uint64_t>(info.nFileSizeHigh) << 32) |
                                                info.nFileSizeLow)};
}

// DeleteFileW itself refuses directories and read-only files.
bool RemoveFile(const std::string& path) {
  return !path.empty() && DeleteFileW(Wide(path).c_str());
}

bool MakeDirectory(const std::string& path) {
  return !path.empty() && CreateDirectoryW(Wide(path).c_str(), nullptr);
}

}  // namespace rt::platform

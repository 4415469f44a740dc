#include "runtime/platform/path_io.h"

#include <sys/stat.h>
#include <unistd.h>

namespace rt::platform {

PathInfo QueryPath(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0) return {};
  if (S_ISDIR(info.st_mode)) return {PathKind::kDirectory, 0};
  return {PathKind::kFile, static_cast<int64_t>(info.st_size)};
}

bool RemoveFile(const std::string& path) {
  struct stat info {};
  if (path.empty() || lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  if (!S_ISLNK(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return unlink(path.c_str()) == 0;
}

bool MakeDirectory(const std::string& path) {
  return !path.empty() && mkdir(path.c_str(), 0777) == 0;
}

}  // namespace rt::platform

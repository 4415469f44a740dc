#include "runtime/platform/dir_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>

namespace rt::platform {

DirReader::DirReader(const std::string& path) : dir_(opendir(path.empty() ? "." : path.c_str())) {}

DirReader::~DirReader() {
  if (dir_ != nullptr) closedir(static_cast<DIR*>(dir_));
}

bool DirReader::Next(DirEntry& entry) {
  if (dir_ == nullptr) return false;
  DIR* dir = static_cast<DIR*>(dir_);
  const dirent* found = readdir(dir);
  if (found == nullptr) return false;
  entry.name = found->d_name;
  if (found->d_type != DT_UNKNOWN) {
    entry.isDirectory = found->d_type == DT_DIR;
  } else {
    // Some file systems leave the type open; an entry that vanished since counts as a file.
    struct stat info {};
    entry.isDirectory = fstatat(dirfd(dir), found->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                        S_ISDIR(info.st_mode);
  }
  return true;
}

bool NameMatchesPattern(const std::string& name, const std::string& pattern) {
  if (pattern.empty() || pattern == "*.*") return true;
  return fnmatch(pattern.c_str(), name.c_str(), FNM_NOESCAPE | FNM_CASEFOLD) == 0;
}

}  // namespace rt::platform

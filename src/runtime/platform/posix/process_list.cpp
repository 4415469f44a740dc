#include "runtime/platform/process_list.h"

#include <dirent.h>
#include <limits.h>
#include <unistd.h>

#include <cctype>
#include <memory>

namespace rt::platform {

std::vector<std::string> ProcessExecutablePaths() {
  std::vector<std::string> paths;
  std::unique_ptr<DIR, int (*)(DIR*)> proc(opendir("/proc"), closedir);
  if (!proc) return paths;
  char target[PATH_MAX];
  while (const dirent* entry = readdir(proc.get())) {
    if (!std::isdigit(static_cast<unsigned char>(entry->d_name[0]))) continue;
    const std::string link = std::string("/proc/") + entry->d_name + "/exe";
    // Processes of other users, kernel threads and processes that ended meanwhile
    // cannot be read; they are skipped.
    ssize_t n = readlink(link.c_str(), target, sizeof target);
    if (n > 0) paths.emplace_back(target, static_cast<size_t>(n));
  }
  return paths;
}

}  // namespace rt::platform

// What the runtime's file-system queries ask of the operating system.
#pragma once

#include <cstdint>
#include <string>

namespace rt::platform {

enum class PathKind { kMissing, kFile, kDirectory };

struct PathInfo {
  PathKind kind = PathKind::kMissing;
  int64_t size = 0;  // of a file
};

// Follows symbolic links, as opening the path would.
PathInfo QueryPath(const std::string& path);
// Removes a file (never a directory). A file without any write permission counts as
// read-only and stays, whoever asks.
bool RemoveFile(const std::string& path);
// One level, with the default permissions.
bool MakeDirectory(const std::string& path);

}  // namespace rt::platform

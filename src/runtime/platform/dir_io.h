// What the runtime's directory listings ask of the operating system: one directory's
// entries in the order the file system keeps them.
#pragma once

#include <string>

namespace rt::platform {

struct DirEntry {
  std::string name;
  bool isDirectory = false;  // a symbolic link never counts as one
};

class DirReader {
 public:
  // An empty path reads the current directory.
  explicit DirReader(const std::string& path);
  ~DirReader();
  DirReader(const DirReader&) = delete;
  DirReader& operator=(const DirReader&) = delete;

  bool IsOpen() const { return dir_ != nullptr; }
  // The next entry ("." and ".." included); false at the end.
  bool Next(DirEntry& entry);

 private:
  void* dir_;
};

// Windows-style name pattern with "*" and "?", letters in any case; "*.*" takes every
// name, also one without a dot.
bool NameMatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace rt::platform

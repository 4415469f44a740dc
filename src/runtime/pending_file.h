// A replacement for a file that is written under a temporary name beside it and moved over
// it only when complete, so that a failed transfer or a crash never leaves half a file in
// place of the earlier one.
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>

#include "runtime/text.h"

namespace rt {

// A file name of the program as a path of the file system.
std::filesystem::path ToPath(TextView name);

class PendingFile {
 public:
  explicit PendingFile(TextView target);
  // Removes the temporary file unless it was committed.
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // False when the temporary file could not be created.
  bool IsOpen() const { return out_.is_open(); }
  bool Write(const char* data, size_t size);
  // For a writer of its own (a transfer that writes to a file name): closes the stream and
  // gives the temporary file's name, which Commit then moves as it is.
  std::filesystem::path HandOver();
  // Moves the complete file over the target, keeping an earlier target's permissions;
  // false (target untouched) when anything went wrong on the way or when the user may
  // not write the earlier target.
  bool Commit();

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::ofstream out_;
  bool handedOver_ = false;
  bool committed_ = false;
};

}  // namespace rt

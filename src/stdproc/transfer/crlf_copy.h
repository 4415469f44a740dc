// Text-mode sending hands the client a copy of the local file whose lines end in CR LF,
// whatever the original uses, so the rule holds whichever client carries the bytes.
#pragma once

#include <filesystem>

namespace stdproc::transfer {

class CrLfCopy {
 public:
  // Writes the copy to the temporary directory; path() is empty when that failed.
  explicit CrLfCopy(const std::filesystem::path& source);
  // Removes the copy.
  ~CrLfCopy();
  CrLfCopy(const CrLfCopy&) = delete;
  CrLfCopy& operator=(const CrLfCopy&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace stdproc::transfer

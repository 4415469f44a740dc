// Keeps an unfinished file from outliving a process that is told to end while writing it.
#pragma once

#include <filesystem>

namespace rt::platform {

// While one of these lives, a termination request (SIGTERM, SIGINT, SIGHUP) removes `file`
// and ends the process with exit code 0, and writing past the file-size limit fails with
// an error instead of ending the process. One file at a time; the previous handling
// returns when it is destroyed.
class RemoveOnTermination {
 public:
  explicit RemoveOnTermination(const std::filesystem::path& file);
  ~RemoveOnTermination();
  RemoveOnTermination(const RemoveOnTermination&) = delete;
  RemoveOnTermination& operator=(const RemoveOnTermination&) = delete;
};

}  // namespace rt::platform

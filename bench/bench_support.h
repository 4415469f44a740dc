// Shared pieces of the benchmark programs: a scratch directory, files of varied bytes and
// the system commands they are measured against.
#pragma once

#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

// A private directory below the temporary directory, removed with its content.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Writes `bytes` bytes of a fixed pseudo-random sequence, so every run measures the same
// data; whole mebibytes.
inline void WriteVariedBytes(const std::string& path, int64_t bytes, uint32_t seed) {
  std::ofstream out(path, std::ios::binary);
  std::vector<char> block(size_t{1} << 20);
  for (int64_t written = 0; written < bytes; written += static_cast<int64_t>(block.size())) {
    for (char& byte : block) byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
}

// Runs a command without a shell and waits for it; true when it exited with 0.
inline bool RunCommand(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  int status = 0;
  return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 &&
         waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace bench

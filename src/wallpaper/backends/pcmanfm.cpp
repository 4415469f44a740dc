#include "wallpaper/backends/pcmanfm.h"

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <string>
#include <vector>

extern char** environ;

namespace pendrel::backends {

namespace {

constexpr int kTimeoutMs = 10000;

// Starts the program (looked up in PATH) and waits for it; true when it ended with exit
// code 0 in time. One still running then is left alone: it may be the desktop itself.
bool Run(std::vector<std::string> argv) {
  std::vector<char*> args;
  for (std::string& arg : argv) args.push_back(arg.data());
  args.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawnp(&child, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
  const timespec pause{0, 10 * 1000 * 1000};
  for (int waited = 0; waited <= kTimeoutMs; waited += 10) {
    int status = 0;
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (done < 0) return false;
    nanosleep(&pause, nullptr);
  }
  return false;
}

// The path and its option form one argument, so no path can pass for another option.
bool Set(const char* program, const std::filesystem::path& path) {
  return Run({program, "--set-wallpaper=" + path.string()});
}

}  // namespace

bool SetWallpaperWithPcmanfm(const char* program, const std::filesystem::path& picture) {
  // The file manager ignores a path equal to the one it holds, so the same file is named
  // by another spelling first; the second call leaves the usual spelling in its settings.
  return Set(program, picture.parent_path() / "." / picture.filename()) && Set(program, picture);
}

}  // namespace pendrel::backends

#include "runtime/platform/termination_cleanup.h"

#include <signal.h>
#include <unistd.h>

#include <climits>
#include <cstring>

namespace rt::platform {

namespace {

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Read by the handler, so a plain buffer: no allocation, nothing to lock.
char registeredPath[PATH_MAX];
struct sigaction previous[std::size(kTerminationSignals)];
struct sigaction previousFileSize;

void RemoveAndExit(int) {
  unlink(registeredPath);
  _exit(0);
}

sigset_t TerminationSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : kTerminationSignals) sigaddset(&set, signal);
  return set;
}

}  // namespace

RemoveOnTermination::RemoveOnTermination(const std::filesystem::path& file) {
  // Signals wait while the path changes, so the handler never sees half of it.
  const sigset_t set = TerminationSet();
  sigset_t old;
  sigprocmask(SIG_BLOCK, &set, &old);
  std::strncpy(registeredPath, file.c_str(), sizeof registeredPath - 1);
  struct sigaction action {};
  action.sa_handler = RemoveAndExit;
  action.sa_mask = set;
  for (size_t i = 0; i < std::size(kTerminationSignals); ++i) {
    sigaction(kTerminationSignals[i], &action, &previous[i]);
  }
  // With the signal ignored, a write past `ulimit -f` fails with EFBIG like any other.
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGXFSZ, &ignore, &previousFileSize);
  sigprocmask(SIG_SETMASK, &old, nullptr);
}

RemoveOnTermination::~RemoveOnTermination() {
  const sigset_t set = TerminationSet();
  sigset_t old;
  sigprocmask(SIG_BLOCK, &set, &old);
  for (size_t i = 0; i < std::size(kTerminationSignals); ++i) {
    sigaction(kTerminationSignals[i], &previous[i], nullptr);
  }
  sigaction(SIGXFSZ, &previousFileSize, nullptr);
  registeredPath[0] = '\0';
  sigprocmask(SIG_SETMASK, &old, nullptr);
}

}  // namespace rt::platform

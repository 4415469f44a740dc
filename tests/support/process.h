// Child processes for tests: real peers (servers, Xvfb) and runs of the built program.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

struct ProcessOptions {
  std::filesystem::path workingDirectory;                 // empty: inherit
  std::map<std::string, std::optional<std::string>> env;  // nullopt removes a variable
  bool captureStdout = false;
  bool captureStderr = false;
};

// A started child process; killed (SIGTERM, then SIGKILL) and reaped on destruction. A
// Windows test starts .exe files as Windows programs and every other name as a Linux one.
class Process {
 public:
  Process(const std::vector<std::string>& argv, const ProcessOptions& options = {});
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  pid_t pid() const { return pid_; }
  // Reads one line of the child's standard output (without the line end); nullopt when
  // the output ended or nothing came within the timeout.
  std::optional<std::string> ReadStdoutLine(std::chrono::milliseconds timeout);
  // Waits for the exit; the exit code, or nullopt when it did not end in time (then killed).
  std::optional<int> Wait(std::chrono::milliseconds timeout);
  // Everything the child wrote to its captured outputs (after Wait).
  std::string TakeStdout();
  std::string TakeStderr();
  void Kill();

 private:
  struct Channels;  // the platform's handles of the child and its outputs
  void Drain(bool untilClosed);
  // Takes the first whole line out of the buffered standard output, without its line end.
  std::optional<std::string> TakeLine();
  pid_t pid_ = -1;
  std::unique_ptr<Channels> channels_;
  std::string stdout_;
  std::string stderr_;
  bool reaped_ = false;
};

struct RunResult {
  std::optional<int> exitCode;  // nullopt: timed out
  std::string out;
  std::string err;
};

// Runs a program to its end and captures both outputs.
RunResult Run(const std::vector<std::string>& argv, const ProcessOptions& options = {},
              std::chrono::milliseconds timeout = std::chrono::seconds(60));

// A path as the loopback peers, which are Linux programs, name it.
std::string PeerPath(const std::filesystem::path& path);

// The Debian python3 that has pyftpdlib and dbus.
inline const char* SystemPython() { return "/usr/bin/python3"; }

}  // namespace testsupport

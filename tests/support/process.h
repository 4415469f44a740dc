// Child processes for tests: real peers (servers, Xvfb) and runs of the built program.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
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

// A started child process; killed (SIGTERM, then SIGKILL) and reaped on destruction.
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
  void Drain(bool untilClosed);
  pid_t pid_ = -1;
  int stdoutFd_ = -1;
  int stderrFd_ = -1;
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

// The Debian python3 that has pyftpdlib and dbus.
inline const char* SystemPython() { return "/usr/bin/python3"; }

}  // namespace testsupport

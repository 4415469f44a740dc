// What starting and reading a child has in common on every platform.
#include "support/process.h"

#include <utility>

namespace testsupport {

std::optional<std::string> Process::TakeLine() {
  const size_t end = stdout_.find('\n');
  if (end == std::string::npos) return std::nullopt;
  std::string line = stdout_.substr(0, end);
  stdout_.erase(0, end + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::string Process::TakeStdout() { return std::exchange(stdout_, {}); }
std::string Process::TakeStderr() { return std::exchange(stderr_, {}); }

RunResult Run(const std::vector<std::string>& argv, const ProcessOptions& options,
              std::chrono::milliseconds timeout) {
  ProcessOptions captured = options;
  captured.captureStdout = true;
  captured.captureStderr = true;
  Process process(argv, captured);
  RunResult result;
  result.exitCode = process.Wait(timeout);
  result.out = process.TakeStdout();
  result.err = process.TakeStderr();
  return result;
}

}  // namespace testsupport

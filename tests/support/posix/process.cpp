#include "support/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <utility>

namespace testsupport {

namespace {

using Clock = std::chrono::steady_clock;

int ReadSome(int fd, std::string& into) {
  char buffer[4096];
  ssize_t n = read(fd, buffer, sizeof buffer);
  if (n > 0) into.append(buffer, static_cast<size_t>(n));
  return static_cast<int>(n);
}

}  // namespace

Process::Process(const std::vector<std::string>& argv, const ProcessOptions& options) {
  int outPipe[2] = {-1, -1};
  int errPipe[2] = {-1, -1};
  if (options.captureStdout && pipe2(outPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  if (options.captureStderr && pipe2(errPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    setpgid(0, 0);
    if (options.captureStdout) dup2(outPipe[1], 1);
    if (options.captureStderr) dup2(errPipe[1], 2);
    if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0)
      _exit(126);
    for (const auto& [name, value] : options.env) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  if (options.captureStdout) {
    close(outPipe[1]);
    stdoutFd_ = outPipe[0];
  }
  if (options.captureStderr) {
    close(errPipe[1]);
    stderrFd_ = errPipe[0];
  }
}

Process::~Process() {
  Kill();
  if (stdoutFd_ >= 0) close(stdoutFd_);
  if (stderrFd_ >= 0) close(stderrFd_);
}

void Process::Kill() {
  if (reaped_ || pid_ <= 0) return;
  kill(-pid_, SIGTERM);
  kill(pid_, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
      reaped_ = true;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(-pid_, SIGKILL);
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  reaped_ = true;
}

std::optional<std::string> Process::ReadStdoutLine(std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (true) {
    size_t end = stdout_.find('\n');
    if (end != std::string::npos) {
      std::string line = stdout_.substr(0, end);
      stdout_.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return line;
    }
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (stdoutFd_ < 0 || left.count() <= 0) return std::nullopt;
    pollfd p{stdoutFd_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
    if (ReadSome(stdoutFd_, stdout_) <= 0) return std::nullopt;
  }
}

void Process::Drain(bool untilClosed) {
  std::vector<pollfd> fds;
  if (stdoutFd_ >= 0) fds.push_back({stdoutFd_, POLLIN, 0});
  if (stderrFd_ >= 0) fds.push_back({stderrFd_, POLLIN, 0});
  while (!fds.empty()) {
    if (poll(fds.data(), fds.size(), untilClosed ? 1000 : 0) <= 0) return;
    for (size_t i = 0; i < fds.size();) {
      if (fds[i].revents == 0) {
        ++i;
        continue;
      }
      std::string& into = fds[i].fd == stdoutFd_ ? stdout_ : stderr_;
      if (ReadSome(fds[i].fd, into) <= 0) {
        fds.erase(fds.begin() + static_cast<long>(i));
      } else {
        ++i;
      }
    }
  }
}

std::optional<int> Process::Wait(std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  int status = 0;
  while (Clock::now() < deadline) {
    Drain(false);
    pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      reaped_ = true;
      Drain(true);
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  Kill();
  return std::nullopt;
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

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

std::string PeerPath(const std::filesystem::path& path) { return path.string(); }

struct Process::Channels {
  int out = -1;
  int err = -1;
};

Process::Process(const std::vector<std::string>& argv, const ProcessOptions& options)
    : channels_(std::make_unique<Channels>()) {
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
    channels_->out = outPipe[0];
  }
  if (options.captureStderr) {
    close(errPipe[1]);
    channels_->err = errPipe[0];
  }
}

Process::~Process() {
  Kill();
  if (channels_->out >= 0) close(channels_->out);
  if (channels_->err >= 0) close(channels_->err);
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
    if (auto line = TakeLine()) return line;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (channels_->out < 0 || left.count() <= 0) return std::nullopt;
    pollfd p{channels_->out, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
    if (ReadSome(channels_->out, stdout_) <= 0) return std::nullopt;
  }
}

void Process::Drain(bool untilClosed) {
  std::vector<pollfd> fds;
  if (channels_->out >= 0) fds.push_back({channels_->out, POLLIN, 0});
  if (channels_->err >= 0) fds.push_back({channels_->err, POLLIN, 0});
  while (!fds.empty()) {
    if (poll(fds.data(), fds.size(), untilClosed ? 1000 : 0) <= 0) return;
    for (size_t i = 0; i < fds.size();) {
      if (fds[i].revents == 0) {
        ++i;
        continue;
      }
      std::string& into = fds[i].fd == channels_->out ? stdout_ : stderr_;
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

}  // namespace testsupport

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "wallpaper/backends/backend.h"

namespace pendrel::backends {

namespace {

constexpr char kMagic[] = {'i', '3', '-', 'i', 'p', 'c'};
constexpr uint32_t kRunCommand = 0;
constexpr int kTimeoutMs = 5000;

bool Matches(const Session& session) { return session.sway; }

// sway hands the file name to the shell-style expansion of wordexp, so only characters
// that mean nothing there are let through; single spaces survive its word splitting.
bool SafeForSway(const std::string& path) {
  if (path.empty() || path.find("  ") != std::string::npos || path.back() == ' ') return false;
  for (unsigned char c : path) {
    if (c >= 0x80 || std::isalnum(c) || std::strchr("/._+,@=:%- ", c) != nullptr) continue;
    return false;
  }
  return true;
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool ReadExactly(int fd, std::string& into, size_t count) {
  into.resize(count);
  size_t done = 0;
  while (done < count) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, kTimeoutMs) <= 0) return false;
    const ssize_t n = read(fd, into.data() + done, count - done);
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Sends one command over the IPC socket; sway's JSON answer, or "" on failure.
std::string RunCommand(const char* socketPath, const std::string& command) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (std::strlen(socketPath) >= sizeof address.sun_path) return {};
  std::strcpy(address.sun_path, socketPath);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return {};
  std::string reply;
  const uint32_t header[2] = {static_cast<uint32_t>(command.size()), kRunCommand};
  std::string message(kMagic, sizeof kMagic);
  message.append(reinterpret_cast<const char*>(header), sizeof header);
  message += command;
  std::string replyHeader;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      WriteAll(fd, message) && ReadExactly(fd, replyHeader, sizeof kMagic + sizeof header)) {
    uint32_t length = 0;
    std::memcpy(&length, replyHeader.data() + sizeof kMagic, sizeof length);
    if (!ReadExactly(fd, reply, length)) reply.clear();
  }
  close(fd);
  return reply;
}

// The answer holds one {"success": ...} per command.
bool Succeeded(const std::string& reply) {
  const size_t key = reply.find("\"success\"");
  if (key == std::string::npos) return false;
  const size_t value = reply.find_first_not_of(" \t\r\n:", key + 9);
  return value != std::string::npos && reply.compare(value, 4, "true") == 0;
}

// sway starts its background drawer afresh for every output command, so the file is read
// again even when the path is the same.
bool Apply(const std::filesystem::path& picture) {
  const char* socketPath = std::getenv("SWAYSOCK");
  const std::string path = picture.string();
  if (socketPath == nullptr || !SafeForSway(path)) return false;
  return Succeeded(RunCommand(socketPath, "output * bg \"" + path + "\" fill"));
}

}  // namespace

const WallpaperBackend kSway{"sway", Matches, Apply};

}  // namespace pendrel::backends

#include "runtime/platform/system.h"

#include <limits.h>
#include <pwd.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace rt::platform {

const char16_t kPathSeparator = u'/';

namespace {
constexpr const char16_t* kTempVariables[] = {u"TEMP", u"TMP", u"TMPDIR"};
constexpr const char16_t* kLoginVariables[] = {u"USER", u"LOGNAME"};
}  // namespace

const std::span<const char16_t* const> kTempDirectoryVariables = kTempVariables;
const std::span<const char16_t* const> kUserNameVariables = kLoginVariables;
const char16_t* const kAppDataVariable = u"XDG_CONFIG_HOME";
const char16_t* const kAppDataBelowHome = u".config";

uint32_t ThreadId() { return static_cast<uint32_t>(syscall(SYS_gettid)); }

uint32_t TickCountMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                               static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

void SleepMs(int32_t milliseconds) {
  if (milliseconds <= 0) return;
  timespec wait{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
  while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
  }
}

LocalTime LocalNow() {
  time_t now = time(nullptr);
  tm fields{};
  localtime_r(&now, &fields);
  return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
          fields.tm_hour,        fields.tm_min,     fields.tm_sec};
}

std::string ExecutablePath() {
  std::vector<char> buffer(PATH_MAX);
  ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
  return n <= 0 ? std::string() : std::string(buffer.data(), static_cast<size_t>(n));
}

std::string CurrentDirectory() {
  std::vector<char> buffer(PATH_MAX);
  return getcwd(buffer.data(), buffer.size()) ? std::string(buffer.data()) : std::string();
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? std::optional<std::string>(value) : std::nullopt;
}

std::string PasswdLoginName() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) {
    return "";
  }
  return found->pw_name;
}

}  // namespace rt::platform

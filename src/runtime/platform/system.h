// What the portable runtime asks of the operating system: clocks, thread identity,
// local time, process and user facts, case mapping, the path separator.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace rt::platform {

// The separator this system writes between directory names (slash or backslash); routines that
// append one to a directory use it, routines that look for one accept both.
extern const char16_t kPathSeparator;

// The environment variables this system keeps its standard directories and the user's name
// in, each list tried in order.
extern const std::span<const char16_t* const> kTempDirectoryVariables;
extern const std::span<const char16_t* const> kUserNameVariables;
// The application-data directory's variable; where it is empty, the home directory joined
// with kAppDataBelowHome stands in, on systems that have one (nullptr elsewhere).
extern const char16_t* const kAppDataVariable;
extern const char16_t* const kAppDataBelowHome;

uint32_t ThreadId();
// Milliseconds of a monotonic clock, wrapping at 2^32.
uint32_t TickCountMs();
void SleepMs(int32_t milliseconds);

struct LocalTime {
  int year, month, day, hour, minute, second;
};
LocalTime LocalNow();

// UTF-8 path of the running executable; "" when it cannot be read.
std::string ExecutablePath();
// UTF-8 current directory; "" when it cannot be read.
std::string CurrentDirectory();
std::optional<std::string> EnvironmentVariable(const std::string& name);
// The login name of the real user id from the user database; "" when unknown.
std::string PasswdLoginName();

// Unicode simple case mapping of one UTF-16 code unit.
char16_t UpperCase(char16_t c);
char16_t LowerCase(char16_t c);

}  // namespace rt::platform

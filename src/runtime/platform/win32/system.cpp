#include "runtime/platform/system.h"

#include <windows.h>

#include <vector>

#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

const char16_t kPathSeparator = u'\\';

namespace {
constexpr const char16_t* kTempVariables[] = {u"TEMP", u"TMP"};
constexpr const char16_t* kLoginVariables[] = {u"USERNAME"};
}  // namespace

const std::span<const char16_t* const> kTempDirectoryVariables = kTempVariables;
const std::span<const char16_t* const> kUserNameVariables = kLoginVariables;
const char16_t* const kAppDataVariable = u"APPDATA";
const char16_t* const kAppDataBelowHome = nullptr;

namespace {

// The buffer sizes the Windows family has always used, terminator included.
constexpr DWORD kPathBuffer = 255;
constexpr DWORD kEnvironmentBuffer = 256;

// A 1 ms timer resolution makes Sleep keep short pauses; asked once per run.
void UseFineTimer() {
  static const bool once = [] {
    using TimeBeginPeriod = UINT(WINAPI*)(UINT);
    HMODULE winmm = LoadLibraryW(L"winmm.dll");
    auto begin = winmm ? reinterpret_cast<TimeBeginPeriod>(
                             reinterpret_cast<void*>(GetProcAddress(winmm, "timeBeginPeriod")))
                       : nullptr;
    return begin && begin(1) == 0;
  }();
  (void)once;
}

}  // namespace

uint32_t ThreadId() { return GetCurrentThreadId(); }

uint32_t TickCountMs() { return GetTickCount(); }

void SleepMs(int32_t milliseconds) {
  if (milliseconds <= 0) return;
  UseFineTimer();
  // The tick count moves in steps of the system timer, so a sleep can end before the
  // clock shows its whole length: the rest is slept again.
  const DWORD start = GetTickCount();
  const DWORD length = static_cast<DWORD>(milliseconds);
  for (DWORD passed = 0; passed < length; passed = GetTickCount() - start) {
    Sleep(length - passed);
  }
}

LocalTime LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

// Lower-cased: Windows names are case-insensitive, and the family compares them so.
std::string ExecutablePath() {
  std::vector<wchar_t> buffer(kPathBuffer);
  const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), kPathBuffer);
  if (n == 0) return "";
  CharLowerBuffW(buffer.data(), n);
  return Utf8(std::wstring_view(buffer.data(), n));
}

std::string CurrentDirectory() {
  std::vector<wchar_t> buffer(kPathBuffer);
  const DWORD n = GetCurrentDirectoryW(kPathBuffer, buffer.data());
  return n == 0 || n >= kPathBuffer ? "" : Utf8(std::wstring_view(buffer.data(), n));
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
  std::vector<wchar_t> buffer(kEnvironmentBuffer);
  SetLastError(ERROR_SUCCESS);
  const DWORD n = GetEnvironmentVariableW(Wide(name).c_str(), buffer.data(), kEnvironmentBuffer);
  if (n == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
  // A longer value does not fit the buffer and reads as empty.
  return n < kEnvironmentBuffer ? Utf8(std::wstring_view(buffer.data(), n)) : "";
}

// Windows keeps the login name in the environment only.
std::string PasswdLoginName() { return ""; }

}  // namespace rt::platform

#include "runtime/platform/termination_cleanup.h"

#include <windows.h>

#include <cwchar>

namespace rt::platform {

// Windows asks a process to end through its console: Ctrl+C, Ctrl+Break, the console
// closed, log-off, shut-down. The handler runs on a thread of its own, removes the file
// (it is open for deletion by others, see the picture's temporary) and ends the process
// with 0. A process ended outright runs nothing; the next run removes what it left.
// Windows has no file-size signal: a write that does not fit fails like any other.

namespace {

// Read by the handler, so a plain buffer: no allocation, nothing to lock.
wchar_t registeredPath[32768];

BOOL WINAPI RemoveAndExit(DWORD) {
  DeleteFileW(registeredPath);
  ExitProcess(0);
  return TRUE;
}

}  // namespace

// The path is written before the handler can run and cleared after it no longer can.
RemoveOnTermination::RemoveOnTermination(const std::filesystem::path& file) {
  std::wcsncpy(registeredPath, file.c_str(), std::size(registeredPath) - 1);
  SetConsoleCtrlHandler(RemoveAndExit, TRUE);
}

RemoveOnTermination::~RemoveOnTermination() {
  SetConsoleCtrlHandler(RemoveAndExit, FALSE);
  registeredPath[0] = L'\0';
}

}  // namespace rt::platform

#include <windows.h>

#include <string>

#include "app/information_request.h"

namespace pendrel {

namespace {

// Output redirected to a file or a pipe arrives as an inherited handle even in a GUI program.
bool WriteToRedirectedOutput(const std::string& bytes) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  return WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

// A GUI program started from a console window gets no console of its own; it writes into
// the one of the window it was started from.
bool WriteToParentConsole(const std::wstring& text) {
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  HANDLE console =
      CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD written = 0;
  const bool ok =
      console != INVALID_HANDLE_VALUE &&
      WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  if (console != INVALID_HANDLE_VALUE) CloseHandle(console);
  FreeConsole();
  return ok;
}

}  // namespace

void ShowInformation(rt::TextView text) {
  rt::Text lines;
  for (char16_t c : text) {
    if (c == u'\n') lines += u'\r';
    lines += c;
  }
  const std::wstring wide(lines.begin(), lines.end());
  if (WriteToRedirectedOutput(rt::ToUtf8(lines))) return;
  if (WriteToParentConsole(wide)) return;
  // Started from Explorer or a shortcut: no console to write to.
  MessageBoxW(nullptr, wide.c_str(), L"Pendrel", MB_OK | MB_ICONINFORMATION);
}

}  // namespace pendrel

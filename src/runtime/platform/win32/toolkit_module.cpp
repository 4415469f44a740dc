#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include "runtime/platform/win32/toolkit_win32.h"

namespace rt::platform {

namespace {

// Date, tab, hot-key, extended combo box and internet address classes: the set the
// family's programs have always initialised. Buttons, static texts and progress bars come
// with the version 6 controls that the program's manifest binds.
constexpr DWORD kCommonControlClasses = 0x0B48;

bool RegisterWindowClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  // The face colour of dialogs, which static texts and buttons are drawn on.
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

// Windows always has a desktop to show windows on, so once set up the toolkit stays.
// Never destroyed: the runtime's tables may still close windows through it as the
// process ends.
Toolkit* LoadToolkit(ToolkitEvents& events) {
  static Win32Toolkit* const toolkit = [&]() -> Win32Toolkit* {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), kCommonControlClasses};
    InitCommonControlsEx(&controls);
    return RegisterWindowClass() ? new Win32Toolkit(events) : nullptr;
  }();
  return toolkit;
}

}  // namespace rt::platform

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "runtime/platform/win32/toolkit_win32.h"
#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

namespace {

// A bar's position in steps fine enough that no pixel of a wide bar is lost to rounding.
constexpr int kProgressSteps = 10000;

// Gadget flags are the control's own style bits and pass to it unchanged. Controls start
// in the font of dialog boxes rather than the bold system font.
Native AddControl(Native window, const wchar_t* controlClass, const std::string& text, DWORD style,
                  int32_t x, int32_t y, int32_t width, int32_t height) {
  HWND control = CreateWindowExW(0, controlClass, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                 x, y, std::max(width, 0), std::max(height, 0), Hwnd(window),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
  if (control) SendMessageW(control, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return ToNative(control);
}

}  // namespace

Native Win32Toolkit::AddButton(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                               const std::string& text) {
  return AddControl(window, WC_BUTTONW, text, WS_TABSTOP | BS_PUSHBUTTON, x, y, width, height);
}

// Flags 0 is a left-aligned text wrapped at words; 1 centres it, 2 aligns it right.
Native Win32Toolkit::AddText(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                             const std::string& text, uint32_t flags) {
  return AddControl(window, WC_STATICW, text, flags, x, y, width, height);
}

// Flag 1 draws a smooth bar rather than blocks.
Native Win32Toolkit::AddProgress(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                                 uint32_t flags) {
  const Native bar = AddControl(window, PROGRESS_CLASSW, "", flags, x, y, width, height);
  if (bar) SendMessageW(Hwnd(bar), PBM_SETRANGE32, 0, kProgressSteps);
  return bar;
}

void Win32Toolkit::DestroyGadget(Native gadget) { DestroyWindow(Hwnd(gadget)); }

void Win32Toolkit::SetText(Native gadget, const std::string& text) {
  SetWindowTextW(Hwnd(gadget), Wide(text).c_str());
}

void Win32Toolkit::SetProgress(Native gadget, double fraction) {
  SendMessageW(Hwnd(gadget), PBM_SETPOS, WPARAM(std::lround(fraction * kProgressSteps)), 0);
}

void Win32Toolkit::MoveGadget(Native gadget, int32_t x, int32_t y, int32_t width, int32_t height) {
  ::MoveWindow(Hwnd(gadget), x, y, std::max(width, 0), std::max(height, 0), TRUE);
}

bool Win32Toolkit::ScreenRect(Native gadget, int32_t& x, int32_t& y, int32_t& width,
                              int32_t& height) {
  RECT rect;
  if (!GetWindowRect(Hwnd(gadget), &rect)) return false;
  x = rect.left;
  y = rect.top;
  width = rect.right - rect.left;
  height = rect.bottom - rect.top;
  return true;
}

bool Win32Toolkit::PointerPosition(int32_t& x, int32_t& y) {
  POINT at;
  if (!GetCursorPos(&at)) return false;
  x = at.x;
  y = at.y;
  return true;
}

}  // namespace rt::platform

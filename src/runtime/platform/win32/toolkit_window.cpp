#include "runtime/platform/win32/toolkit_win32.h"
#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

namespace {

constexpr uint32_t kStyleBits =
    WindowCaption | WindowSystemMenu | WindowSizingBorder | WindowMinimizeBox | WindowMaximizeBox;
// The runtime's own flags: placement and the tool window in the low word, and invisible.
// The rest of the high word is window style and passes to the window unchanged.
constexpr uint32_t kRuntimeFlags = 0x0000FFFF | WindowInvisible;

struct WindowState {
  Win32Toolkit* toolkit = nullptr;
  // The inner size last reported, so that a size the program set and then asked for again
  // is not reported back to it once more.
  int32_t reportedWidth = 0, reportedHeight = 0;
};

WindowState* State(HWND window) {
  return reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The outer size of a window of this style whose inner area has the given size.
SIZE OuterSize(DWORD style, DWORD exStyle, int32_t width, int32_t height) {
  RECT rect{0, 0, width, height};
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

SIZE OuterSizeOf(HWND window, int32_t width, int32_t height) {
  return OuterSize(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
                   static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), width, height);
}

// Centred on the screen (flag 1) or on the active window (flag 2, left in place without
// one); else where asked, or where Windows places new windows when both are Ignore.
POINT Placement(uint32_t flags, HWND active, int32_t x, int32_t y, SIZE outer) {
  if (flags & WindowScreenCentered) {
    return {(GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2};
  }
  RECT over;
  if ((flags & WindowCentered) && active && GetWindowRect(active, &over)) {
    return {over.left + (over.right - over.left - outer.cx) / 2,
            over.top + (over.bottom - over.top - outer.cy) / 2};
  }
  if (x == Ignore && y == Ignore) return {CW_USEDEFAULT, CW_USEDEFAULT};
  return {KeepIgnored(x, 0), KeepIgnored(y, 0)};
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  WindowState* state = State(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CLOSE:
      // The program decides whether the window closes.
      state->toolkit->events().CloseRequested(ToNative(window));
      return 0;
    case WM_SIZE: {
      const int32_t width = LOWORD(lParam), height = HIWORD(lParam);
      if (wParam == SIZE_MINIMIZED ||
          (width == state->reportedWidth && height == state->reportedHeight)) {
        return 0;
      }
      state->reportedWidth = width;
      state->reportedHeight = height;
      state->toolkit->events().Resized(ToNative(window), width, height);
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam) {
        state->toolkit->events().Clicked(ToNative(reinterpret_cast<HWND>(lParam)));
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) state->toolkit->SetActive(window);
      break;
    case WM_DESTROY:
      state->toolkit->Forget(window);
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      delete state;
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND Win32Toolkit::ActiveWindow() const {
  HWND active = GetActiveWindow();
  return active ? active : active_;
}

Native Win32Toolkit::OpenWindow(int32_t x, int32_t y, int32_t width, int32_t height,
                                const std::string& title, uint32_t flags) {
  DWORD style = flags & ~kRuntimeFlags;
  if (!(flags & kStyleBits)) style |= WS_CAPTION;
  const DWORD exStyle = (flags & WindowToolWindow) ? WS_EX_TOOLWINDOW : 0;
  const SIZE outer = OuterSize(style, exStyle, width, height);
  const POINT at = Placement(flags, ActiveWindow(), x, y, outer);
  auto* state = new WindowState{this, width, height};
  HWND window =
      CreateWindowExW(exStyle, kWindowClass, Wide(title).c_str(), style | WS_CLIPCHILDREN, at.x,
                      at.y, outer.cx, outer.cy, nullptr, nullptr, GetModuleHandleW(nullptr), state);
  if (!window) {
    delete state;
    return 0;
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  active_ = window;
  return ToNative(window);
}

void Win32Toolkit::CloseWindow(Native window) { DestroyWindow(Hwnd(window)); }

void Win32Toolkit::MoveWindow(Native native, int32_t x, int32_t y, int32_t width, int32_t height) {
  HWND window = Hwnd(native);
  RECT outer, inner;
  GetWindowRect(window, &outer);
  GetClientRect(window, &inner);
  const SIZE size =
      OuterSizeOf(window, KeepIgnored(width, inner.right), KeepIgnored(height, inner.bottom));
  UINT how = SWP_NOZORDER | SWP_NOACTIVATE;
  if (x == Ignore && y == Ignore) how |= SWP_NOMOVE;
  if (width == Ignore && height == Ignore) how |= SWP_NOSIZE;
  SetWindowPos(window, nullptr, KeepIgnored(x, outer.left), KeepIgnored(y, outer.top), size.cx,
               size.cy, how);
}

void Win32Toolkit::InnerSize(Native window, int32_t& width, int32_t& height) {
  RECT inner{};
  GetClientRect(Hwnd(window), &inner);
  width = inner.right;
  height = inner.bottom;
}

void Win32Toolkit::Activate(Native native) {
  HWND window = Hwnd(native);
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  active_ = window;
}

}  // namespace rt::platform

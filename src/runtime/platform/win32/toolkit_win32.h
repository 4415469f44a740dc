// The Win32 implementation of the runtime's windows, gadgets, fonts and message boxes:
// user32 windows, the common controls of comctl32 and gdi32 fonts.
#pragma once

#include <windows.h>

#include "runtime/platform/toolkit.h"

namespace rt::platform {

class Win32Toolkit final : public Toolkit {
 public:
  explicit Win32Toolkit(ToolkitEvents& events) : events_(events) {}

  Native OpenWindow(int32_t x, int32_t y, int32_t width, int32_t height, const std::string& title,
                    uint32_t flags) override;
  void CloseWindow(Native window) override;
  void MoveWindow(Native window, int32_t x, int32_t y, int32_t width, int32_t height) override;
  void InnerSize(Native window, int32_t& width, int32_t& height) override;
  void Activate(Native window) override;

  Native AddButton(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                   const std::string& text) override;
  Native AddText(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                 const std::string& text, uint32_t flags) override;
  Native AddProgress(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                     uint32_t flags) override;
  void DestroyGadget(Native gadget) override;
  void SetText(Native gadget, const std::string& text) override;
  void SetProgress(Native gadget, double fraction) override;
  void MoveGadget(Native gadget, int32_t x, int32_t y, int32_t width, int32_t height) override;
  void SetFont(Native gadget, Native font) override;
  bool ScreenRect(Native gadget, int32_t& x, int32_t& y, int32_t& width, int32_t& height) override;
  bool PointerPosition(int32_t& x, int32_t& y) override;

  Native LoadFont(const std::string& face, int32_t points, uint32_t flags) override;
  void FreeFont(Native font) override;

  int32_t ShowMessage(const std::string& title, const std::string& text, uint32_t flags) override;

  void Pump(int32_t waitMs) override;

  // Called from the window procedure.
  ToolkitEvents& events() { return events_; }
  void SetActive(HWND window) { active_ = window; }
  void Forget(HWND window) {
    if (active_ == window) active_ = nullptr;
  }

 private:
  // The program's active window: windows opened with the centring flag 2 are centred on
  // it and message boxes belong to it. Windows' own answer first, then the one the
  // program activated last, for a display that hands out no activation.
  HWND ActiveWindow() const;

  ToolkitEvents& events_;
  HWND active_ = nullptr;
};

// The class of the program's top-level windows, registered once by LoadToolkit.
inline constexpr const wchar_t* kWindowClass = L"PendrelWindow";
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

inline HWND Hwnd(Native native) { return reinterpret_cast<HWND>(native); }
inline Native ToNative(HWND window) { return reinterpret_cast<Native>(window); }

}  // namespace rt::platform

// The toolkit module's GTK 3 implementation of the runtime's windows, gadgets, fonts and
// message boxes. Built as a module of its own so that the program links GTK only when a
// window is actually shown.
#pragma once

#include <gtk/gtk.h>

#include "runtime/platform/toolkit.h"

namespace pendrel_gtk {

using rt::platform::Native;

class GtkToolkit final : public rt::platform::Toolkit {
 public:
  explicit GtkToolkit(rt::platform::ToolkitEvents& events) : events_(events) {}

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

  // Called from the GTK signal handlers.
  rt::platform::ToolkitEvents& events() { return events_; }
  void SetActive(GtkWindow* window) { active_ = window; }
  void Forget(GtkWindow* window) {
    if (active_ == window) active_ = nullptr;
  }

 private:
  Native AddGadget(Native window, GtkWidget* widget, int32_t x, int32_t y, int32_t width,
                   int32_t height);

  rt::platform::ToolkitEvents& events_;
  // The program's active window: windows opened with flag 2 are centred on it and
  // message boxes belong to it.
  GtkWindow* active_ = nullptr;
};

inline GtkWidget* Widget(Native native) { return reinterpret_cast<GtkWidget*>(native); }
inline Native ToNative(void* object) { return reinterpret_cast<Native>(object); }

// The fixed-position area inside a window, where its gadgets live.
GtkLayout* InnerArea(GtkWidget* window);

}  // namespace pendrel_gtk

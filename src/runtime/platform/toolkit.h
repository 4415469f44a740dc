// The windowing toolkit behind visible windows, gadgets, fonts and message boxes. The
// runtime loads it on first need; positions and sizes are pixels, texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/window.h"

namespace rt::platform {

// A toolkit object (window, gadget, font); 0 is none.
using Native = intptr_t;

// A position or size asked as Ignore keeps its current value.
inline int32_t KeepIgnored(int32_t asked, int32_t current) {
  return asked == Ignore ? current : asked;
}

// The inner size of a new window whose size was asked as Ignore: the platform's choice.
inline constexpr int32_t DefaultWindowWidth = 400;
inline constexpr int32_t DefaultWindowHeight = 300;

// What the toolkit reports to the runtime while it pumps its events.
class ToolkitEvents {
 public:
  virtual void CloseRequested(Native window) = 0;
  // The inner size of a window changed.
  virtual void Resized(Native window, int32_t width, int32_t height) = 0;
  virtual void Clicked(Native gadget) = 0;

 protected:
  ~ToolkitEvents() = default;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // A shown window whose inner area has the given size; flags as WindowOpen takes them.
  virtual Native OpenWindow(int32_t x, int32_t y, int32_t width, int32_t height,
                            const std::string& title, uint32_t flags) = 0;
  virtual void CloseWindow(Native window) = 0;
  // Outer position and inner size; Ignore keeps a value.
  virtual void MoveWindow(Native window, int32_t x, int32_t y, int32_t width, int32_t height) = 0;
  virtual void InnerSize(Native window, int32_t& width, int32_t& height) = 0;
  virtual void Activate(Native window) = 0;

  virtual Native AddButton(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                           const std::string& text) = 0;
  virtual Native AddText(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                         const std::string& text, uint32_t flags) = 0;
  virtual Native AddProgress(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                             uint32_t flags) = 0;
  virtual void DestroyGadget(Native gadget) = 0;
  virtual void SetText(Native gadget, const std::string& text) = 0;
  // fraction from 0 (empty) to 1 (full).
  virtual void SetProgress(Native gadget, double fraction) = 0;
  virtual void MoveGadget(Native gadget, int32_t x, int32_t y, int32_t width, int32_t height) = 0;
  virtual void SetFont(Native gadget, Native font) = 0;
  // The gadget's rectangle on the screen; false when it is not shown.
  virtual bool ScreenRect(Native gadget, int32_t& x, int32_t& y, int32_t& width,
                          int32_t& height) = 0;
  virtual bool PointerPosition(int32_t& x, int32_t& y) = 0;

  // A face that is not installed falls back to the closest one.
  virtual Native LoadFont(const std::string& face, int32_t points, uint32_t flags) = 0;
  virtual void FreeFont(Native font) = 0;

  // A modal box owned by the active window; the code of the button pressed.
  virtual int32_t ShowMessage(const std::string& title, const std::string& text,
                              uint32_t flags) = 0;

  // Handles the toolkit's pending events without waiting; with wait, first waits up to
  // waitMs for one to arrive.
  virtual void Pump(int32_t waitMs) = 0;
};

// Loads the toolkit module and connects it to a display; nullptr when either is not
// possible. The module is looked for once; a failed connection is tried again by a later
// call only when the display to use has changed since.
Toolkit* LoadToolkit(ToolkitEvents& events);

}  // namespace rt::platform

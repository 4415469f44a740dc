#include "runtime/window.h"

#include <vector>

#include "runtime/event_queue.h"
#include "runtime/window_objects.h"

namespace rt {

namespace detail {

namespace {

// Gadgets are created in the window opened last.
int32_t currentWindow = 0;
bool haveCurrentWindow = false;

}  // namespace

WindowObject::~WindowObject() {
  if (native) LoadedToolkit()->CloseWindow(native);
}

ObjectTable<WindowObject>& Windows() {
  static ObjectTable<WindowObject> windows;
  return windows;
}

WindowObject* CurrentWindow(int32_t& number) {
  number = currentWindow;
  return haveCurrentWindow ? Windows().Find(currentWindow) : nullptr;
}

void SetCurrentWindow(int32_t number) {
  currentWindow = number;
  haveCurrentWindow = true;
}

}  // namespace detail

using detail::Windows;

namespace {

// A window shown on the screen lives in the toolkit; 0 when there is none (no display).
platform::Native OpenShownWindow(int32_t x, int32_t y, int32_t width, int32_t height,
                                 TextView title, uint32_t flags) {
  platform::Toolkit* toolkit = detail::RequireToolkit();
  return toolkit ? toolkit->OpenWindow(x, y, width, height, ToUtf8(Visible(title)), flags) : 0;
}

// Removes the window's gadgets before the window itself: the toolkit destroys a window's
// children with it.
void CloseGadgetsOf(int32_t window) {
  std::vector<int32_t> numbers;
  detail::Gadgets().ForEach([&](int32_t number, const detail::GadgetObject& gadget) {
    if (gadget.window == window) numbers.push_back(number);
  });
  for (int32_t number : numbers) detail::Gadgets().Remove(number);
}

}  // namespace

int32_t WindowOpen(int32_t window, int32_t x, int32_t y, int32_t width, int32_t height,
                   TextView title, uint32_t flags) {
  width = platform::KeepIgnored(width, platform::DefaultWindowWidth);
  height = platform::KeepIgnored(height, platform::DefaultWindowHeight);
  if (window < AnyNumber || width < 0 || height < 0) return 0;
  if (window != AnyNumber) WindowClose(window);
  auto object = std::make_unique<detail::WindowObject>();
  object->x = platform::KeepIgnored(x, 0);
  object->y = platform::KeepIgnored(y, 0);
  object->width = width;
  object->height = height;
  if (!(flags & WindowInvisible)) {
    object->native = OpenShownWindow(x, y, width, height, title, flags);
    if (!object->native) return 0;
  }
  const int32_t added = Windows().Add(window, std::move(object));
  if (added) detail::SetCurrentWindow(detail::StoredNumber(window, added));
  return added;
}

void WindowClose(int32_t window) {
  if (!Windows().Find(window)) return;
  CloseGadgetsOf(window);
  Windows().Remove(window);
  detail::DropEvents(window);
}

void WindowResize(int32_t window, int32_t x, int32_t y, int32_t width, int32_t height) {
  detail::WindowObject* object = Windows().Find(window);
  if (!object) return;
  if (object->native) {
    detail::LoadedToolkit()->MoveWindow(object->native, x, y, width, height);
    return;
  }
  object->x = platform::KeepIgnored(x, object->x);
  object->y = platform::KeepIgnored(y, object->y);
  object->width = platform::KeepIgnored(width, object->width);
  object->height = platform::KeepIgnored(height, object->height);
}

namespace {

void InnerSize(int32_t window, int32_t& width, int32_t& height) {
  width = height = 0;
  const detail::WindowObject* object = Windows().Find(window);
  if (!object) return;
  width = object->width;
  height = object->height;
  if (object->native) detail::LoadedToolkit()->InnerSize(object->native, width, height);
}

}  // namespace

int32_t WindowInnerWidth(int32_t window) {
  int32_t width, height;
  InnerSize(window, width, height);
  return width;
}

int32_t WindowInnerHeight(int32_t window) {
  int32_t width, height;
  InnerSize(window, width, height);
  return height;
}

void WindowActivate(int32_t window) {
  const detail::WindowObject* object = Windows().Find(window);
  if (object && object->native) detail::LoadedToolkit()->Activate(object->native);
}

void WindowRequestClose(int32_t window) {
  if (Windows().Find(window)) EventPost(CloseWindowEvent, window, 0, 0);
}

void SetWindowCallback(int32_t window, WindowCallback callback) {
  if (detail::WindowObject* object = Windows().Find(window)) object->callback = callback;
}

void WindowCloseAll() {
  Windows().ForEach(
      [](int32_t number, const detail::WindowObject&) { detail::DropEvents(number); });
  detail::Gadgets().Clear();
  Windows().Clear();
  detail::Fonts().Clear();
}

}  // namespace rt

#include "runtime/window.h"
#include "runtime/window_objects.h"

namespace rt::detail {

namespace {

using platform::Native;

template <class T>
bool FindNative(const ObjectTable<T>& table, Native native, int32_t& number) {
  bool found = false;
  table.ForEach([&](int32_t n, const T& object) {
    if (!found && object.native == native) {
      number = n;
      found = true;
    }
  });
  return found;
}

// Turns what the toolkit reports into the runtime's events and window callbacks.
class RuntimeEvents final : public platform::ToolkitEvents {
 public:
  void CloseRequested(Native window) override {
    int32_t number = 0;
    if (FindNative(Windows(), window, number)) WindowRequestClose(number);
  }
  void Resized(Native window, int32_t width, int32_t height) override {
    int32_t number = 0;
    if (!FindNative(Windows(), window, number)) return;
    if (WindowCallback callback = Windows().Find(number)->callback) {
      callback(number, WindowMessageResize, width, height);
    }
  }
  void Clicked(Native gadget) override {
    int32_t number = 0;
    if (FindNative(Gadgets(), gadget, number)) {
      EventPost(GadgetEvent, Gadgets().Find(number)->window, number, 0);
    }
  }
};

RuntimeEvents events;
platform::Toolkit* toolkit = nullptr;

}  // namespace

platform::Toolkit* LoadedToolkit() { return toolkit; }

// Loading the toolkit costs start-up time and memory, so only the first shown window or
// message box does it.
platform::Toolkit* RequireToolkit() {
  if (!toolkit) toolkit = platform::LoadToolkit(events);
  return toolkit;
}

}  // namespace rt::detail

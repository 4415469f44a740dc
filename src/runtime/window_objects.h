// The runtime's windows, gadgets and fonts: numbered objects, each with its toolkit
// counterpart when it is shown. A window opened invisible has none, and neither have its
// gadgets; they keep their state here and work all the same.
#pragma once

#include <cstdint>
#include <memory>

#include "runtime/objects.h"
#include "runtime/platform/toolkit.h"
#include "runtime/text.h"
#include "runtime/web_view.h"
#include "runtime/window.h"

namespace rt::detail {

struct WindowObject {
  ~WindowObject();
  platform::Native native = 0;
  int32_t x = 0, y = 0, width = 0, height = 0;  // kept for a window without a counterpart
  WindowCallback callback = nullptr;
};

enum class GadgetKind { Button, Text, Progress, Web };

struct GadgetObject {
  ~GadgetObject();
  GadgetKind kind = GadgetKind::Text;
  int32_t window = 0;
  platform::Native native = 0;
  int32_t x = 0, y = 0, width = 0, height = 0;
  Text text;
  int32_t minimum = 0, maximum = 0, state = 0;
  std::unique_ptr<WebView> web;
};

struct FontObject {
  ~FontObject();
  platform::Native native = 0;
};

ObjectTable<WindowObject>& Windows();
// The window opened last, where new gadgets go; nullptr when it has been closed.
WindowObject* CurrentWindow(int32_t& number);
ObjectTable<GadgetObject>& Gadgets();
ObjectTable<FontObject>& Fonts();

// The number a table Add stored the object under.
inline int32_t StoredNumber(int32_t asked, int32_t added) {
  return asked == AnyNumber ? added : asked;
}

// The toolkit once it has been loaded (nullptr before and without a display), and the
// toolkit loaded on demand.
platform::Toolkit* LoadedToolkit();
platform::Toolkit* RequireToolkit();

}  // namespace rt::detail

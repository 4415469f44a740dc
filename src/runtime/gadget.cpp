#include <algorithm>
#include <functional>

#include "runtime/window.h"
#include "runtime/window_objects.h"

namespace rt {

namespace detail {

GadgetObject::~GadgetObject() {
  if (native) LoadedToolkit()->DestroyGadget(native);
}

ObjectTable<GadgetObject>& Gadgets() {
  static ObjectTable<GadgetObject> gadgets;
  return gadgets;
}

}  // namespace detail

using detail::GadgetKind;
using detail::GadgetObject;
using detail::Gadgets;
using platform::Native;
using platform::Toolkit;

namespace {

// Creates a gadget in the window opened last. In a shown window makeNative (when given)
// makes the toolkit's counterpart; a gadget of an invisible window lives here alone.
int32_t AddGadget(int32_t gadget, std::unique_ptr<GadgetObject> object,
                  const std::function<Native(Toolkit&, Native window)>& makeNative) {
  if (gadget < AnyNumber) return 0;
  const detail::WindowObject* window = detail::CurrentWindow(object->window);
  if (!window) return 0;
  if (window->native && makeNative) {
    object->native = makeNative(*detail::LoadedToolkit(), window->native);
    if (!object->native) return 0;
  }
  return Gadgets().Add(gadget, std::move(object));
}

std::unique_ptr<GadgetObject> NewGadget(GadgetKind kind, int32_t x, int32_t y, int32_t width,
                                        int32_t height, TextView text) {
  auto object = std::make_unique<GadgetObject>();
  object->kind = kind;
  object->x = x;
  object->y = y;
  object->width = width;
  object->height = height;
  object->text = Text(Visible(text));
  return object;
}

double ProgressFraction(const GadgetObject& gadget) {
  if (gadget.maximum <= gadget.minimum) return 0.0;
  return static_cast<double>(gadget.state - gadget.minimum) /
         static_cast<double>(gadget.maximum - gadget.minimum);
}

}  // namespace

int32_t GadgetButton(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height,
                     TextView text) {
  const std::string label = ToUtf8(Visible(text));
  return AddGadget(gadget, NewGadget(GadgetKind::Button, x, y, width, height, text),
                   [&](Toolkit& toolkit, Native window) {
                     return toolkit.AddButton(window, x, y, width, height, label);
                   });
}

int32_t GadgetText(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height,
                   TextView text, uint32_t flags) {
  const std::string label = ToUtf8(Visible(text));
  return AddGadget(gadget, NewGadget(GadgetKind::Text, x, y, width, height, text),
                   [&](Toolkit& toolkit, Native window) {
                     return toolkit.AddText(window, x, y, width, height, label, flags);
                   });
}

int32_t GadgetProgress(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height,
                       int32_t minimum, int32_t maximum, uint32_t flags) {
  auto object = NewGadget(GadgetKind::Progress, x, y, width, height, u"");
  object->minimum = minimum;
  object->maximum = maximum;
  object->state = minimum;
  return AddGadget(gadget, std::move(object), [&](Toolkit& toolkit, Native window) {
    return toolkit.AddProgress(window, x, y, width, height, flags);
  });
}

// Nothing of a page is ever drawn, so the web view needs no toolkit counterpart even in
// a shown window.
int32_t GadgetWeb(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height,
                  TextView address) {
  auto object = NewGadget(GadgetKind::Web, x, y, width, height, u"");
  object->web = std::make_unique<detail::WebView>();
  const int32_t added = AddGadget(gadget, std::move(object), nullptr);
  if (added) GadgetSetText(detail::StoredNumber(gadget, added), address);
  return added;
}

void GadgetSetText(int32_t gadget, TextView text) {
  GadgetObject* object = Gadgets().Find(gadget);
  if (!object) return;
  if (object->kind == GadgetKind::Web) {
    if (object->web->Navigate(text)) EventPost(GadgetEvent, object->window, gadget, DownloadStart);
    return;
  }
  object->text = Text(Visible(text));
  if (object->native) detail::LoadedToolkit()->SetText(object->native, ToUtf8(object->text));
}

Text GadgetItemText(int32_t gadget, int32_t item) {
  const GadgetObject* object = Gadgets().Find(gadget);
  if (!object || object->kind != GadgetKind::Web || item != 1) return u"";
  return object->web->Source();
}

void GadgetSetState(int32_t gadget, int32_t state) {
  GadgetObject* object = Gadgets().Find(gadget);
  if (!object || object->kind != GadgetKind::Progress) return;
  object->state = std::clamp(state, std::min(object->minimum, object->maximum),
                             std::max(object->minimum, object->maximum));
  if (object->native)
    detail::LoadedToolkit()->SetProgress(object->native, ProgressFraction(*object));
}

void GadgetResize(int32_t gadget, int32_t x, int32_t y, int32_t width, int32_t height) {
  GadgetObject* object = Gadgets().Find(gadget);
  if (!object) return;
  object->x = platform::KeepIgnored(x, object->x);
  object->y = platform::KeepIgnored(y, object->y);
  object->width = platform::KeepIgnored(width, object->width);
  object->height = platform::KeepIgnored(height, object->height);
  if (object->native) {
    detail::LoadedToolkit()->MoveGadget(object->native, object->x, object->y, object->width,
                                        object->height);
  }
}

void GadgetSetFont(int32_t gadget, intptr_t fontHandle) {
  const GadgetObject* object = Gadgets().Find(gadget);
  if (object && object->native && fontHandle) {
    detail::LoadedToolkit()->SetFont(object->native, fontHandle);
  }
}

intptr_t GadgetHandle(int32_t gadget) {
  const GadgetObject* object = Gadgets().Find(gadget);
  return object ? object->native : 0;
}

bool GadgetScreenRect(int32_t gadget, int32_t& x, int32_t& y, int32_t& width, int32_t& height) {
  x = y = width = height = 0;
  const GadgetObject* object = Gadgets().Find(gadget);
  if (!object || !object->native) return false;
  return detail::LoadedToolkit()->ScreenRect(object->native, x, y, width, height);
}

bool PointerPosition(int32_t& x, int32_t& y) {
  x = y = 0;
  Toolkit* toolkit = detail::RequireToolkit();
  return toolkit && toolkit->PointerPosition(x, y);
}

// The program creates no status bars, so no field of one can be set.
void StatusBarText(int32_t, int32_t, TextView) {}

}  // namespace rt

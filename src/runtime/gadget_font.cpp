#include "runtime/window.h"
#include "runtime/window_objects.h"

namespace rt {

namespace detail {

FontObject::~FontObject() {
  if (native) LoadedToolkit()->FreeFont(native);
}

ObjectTable<FontObject>& Fonts() {
  static ObjectTable<FontObject> fonts;
  return fonts;
}

}  // namespace detail

int32_t FontLoad(int32_t font, TextView face, int32_t size, uint32_t flags) {
  if (font < AnyNumber || size <= 0) return 0;
  platform::Toolkit* toolkit = detail::RequireToolkit();
  if (!toolkit) return 0;
  auto object = std::make_unique<detail::FontObject>();
  object->native = toolkit->LoadFont(ToUtf8(Visible(face)), size, flags);
  if (!object->native) return 0;
  return detail::Fonts().Add(font, std::move(object));
}

intptr_t FontHandle(int32_t font) {
  const detail::FontObject* object = detail::Fonts().Find(font);
  return object ? object->native : 0;
}

}  // namespace rt

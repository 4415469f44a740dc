#include "runtime/library.h"

#include "runtime/platform/dynamic_library.h"

namespace rt {

namespace {

struct LibraryObject {
  ~LibraryObject() { platform::CloseLibrary(handle); }
  intptr_t handle = 0;
};

ObjectTable<LibraryObject>& Libraries() {
  static ObjectTable<LibraryObject> libraries;
  return libraries;
}

}  // namespace

int32_t LibraryOpen(int32_t number, TextView fileName) {
  if (number < AnyNumber) return 0;
  auto object = std::make_unique<LibraryObject>();
  object->handle = platform::OpenLibrary(ToUtf8(Visible(fileName)));
  if (!object->handle) return 0;
  return Libraries().Add(number, std::move(object));
}

// The ANSI code page here is UTF-8.
intptr_t LibraryFunction(int32_t number, TextView name) {
  const LibraryObject* object = Libraries().Find(number);
  return object ? platform::LibrarySymbol(object->handle, ToUtf8(Visible(name))) : 0;
}

int32_t LibraryCall(intptr_t address, intptr_t a1, intptr_t a2, intptr_t a3, intptr_t a4,
                    intptr_t a5, intptr_t a6) {
  return platform::CallFunction(address, a1, a2, a3, a4, a5, a6);
}

void LibraryClose(int32_t number) { Libraries().Remove(number); }

void LibraryCloseAll() { Libraries().Clear(); }

}  // namespace rt

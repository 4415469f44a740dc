#include "runtime/platform/dynamic_library.h"

#include <dlfcn.h>

namespace rt::platform {

intptr_t OpenLibrary(const std::string& file) {
  if (file.empty()) return 0;
  return reinterpret_cast<intptr_t>(dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL));
}

intptr_t LibrarySymbol(intptr_t library, const std::string& name) {
  if (!library || name.empty()) return 0;
  return reinterpret_cast<intptr_t>(dlsym(reinterpret_cast<void*>(library), name.c_str()));
}

void CloseLibrary(intptr_t library) {
  if (library) dlclose(reinterpret_cast<void*>(library));
}

int32_t CallFunction(intptr_t address, intptr_t a1, intptr_t a2, intptr_t a3, intptr_t a4,
                     intptr_t a5, intptr_t a6) {
  if (!address) return 0;
  using Function = intptr_t (*)(intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t);
  const intptr_t result = reinterpret_cast<Function>(address)(a1, a2, a3, a4, a5, a6);
  return static_cast<int32_t>(result);
}

}  // namespace rt::platform

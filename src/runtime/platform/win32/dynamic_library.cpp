#include "runtime/platform/dynamic_library.h"

#include <windows.h>

#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

intptr_t OpenLibrary(const std::string& file) {
  if (file.empty()) return 0;
  return reinterpret_cast<intptr_t>(LoadLibraryW(Wide(file).c_str()));
}

intptr_t LibrarySymbol(intptr_t library, const std::string& name) {
  if (!library || name.empty()) return 0;
  return reinterpret_cast<intptr_t>(
      reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(library), name.c_str())));
}

void CloseLibrary(intptr_t library) {
  if (library) FreeLibrary(reinterpret_cast<HMODULE>(library));
}

// The frame pointer restores the stack whoever cleans up the arguments: a WINAPI function
// taking fewer arguments, or a C function that leaves them to the caller.
__attribute__((optimize("no-omit-frame-pointer"))) int32_t CallFunction(intptr_t address,
                                                                        intptr_t a1, intptr_t a2,
                                                                        intptr_t a3, intptr_t a4,
                                                                        intptr_t a5, intptr_t a6) {
  if (!address) return 0;
  using Function = intptr_t(WINAPI*)(intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t);
  const intptr_t result = reinterpret_cast<Function>(address)(a1, a2, a3, a4, a5, a6);
  return static_cast<int32_t>(result);
}

}  // namespace rt::platform

// Tables of library functions filled in when a backend first needs the library, so that a
// run whose session does not use it never maps it.
#pragma once

#include <cstdint>

#include "runtime/library.h"
#include "runtime/platform/dynamic_library.h"
#include "runtime/text.h"

namespace pendrel::backends {

template <class Function>
bool ResolveInto(int32_t library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(rt::LibraryFunction(library, rt::FromUtf8(name)));
  return function != nullptr;
}

// Opens `library` and fills in the table through resolveAll; nullptr when anything is missing.
template <class Api, class ResolveAll>
const Api* LoadApi(const char16_t* library, ResolveAll resolveAll) {
  static Api api;
  const int32_t number = rt::LibraryOpen(rt::AnyNumber, library);
  return number != 0 && resolveAll(number, api) ? &api : nullptr;
}

// Maps `library` into the process ahead of LoadApi, which then finds it loaded: safe on any
// thread, as it passes by the runtime's table of libraries, which is the main thread's.
// The handle stays open for the process's life; closing it could unload the library
// before LoadApi finds it.
inline void PreloadLibrary(const char16_t* library) {
  rt::platform::OpenLibrary(rt::ToUtf8(library));
}

#define PENDREL_DECLARE_FUNCTION(name) decltype(&::name) name = nullptr;
#define PENDREL_RESOLVE_FUNCTION(name) ok = ResolveInto(library, #name, api.name) && ok;

}  // namespace pendrel::backends

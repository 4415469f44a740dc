// Loading dynamic libraries and calling their exported functions.
#pragma once

#include <cstdint>
#include <string>

namespace rt::platform {

// A handle of the loaded library, or 0.
intptr_t OpenLibrary(const std::string& file);
// Address of the exported symbol, or 0.
intptr_t LibrarySymbol(intptr_t library, const std::string& name);
void CloseLibrary(intptr_t library);
// Calls the function at address with the platform's standard calling convention and
// integer arguments; a function taking fewer arguments ignores the rest.
int32_t CallFunction(intptr_t address, intptr_t a1, intptr_t a2, intptr_t a3, intptr_t a4,
                     intptr_t a5, intptr_t a6);

}  // namespace rt::platform

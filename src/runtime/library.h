// Dynamic libraries as numbered objects.
#pragma once

#include <cstdint>

#include "runtime/objects.h"
#include "runtime/text.h"

namespace rt {

int32_t LibraryOpen(int32_t number, TextView fileName);
// Address of the exported function, or 0.
intptr_t LibraryFunction(int32_t number, TextView name);
// Calls the function with up to six integer arguments; its 32-bit result.
int32_t LibraryCall(intptr_t address, intptr_t a1 = 0, intptr_t a2 = 0, intptr_t a3 = 0,
                    intptr_t a4 = 0, intptr_t a5 = 0, intptr_t a6 = 0);
void LibraryClose(int32_t number);
void LibraryCloseAll();

}  // namespace rt

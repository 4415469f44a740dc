// Raw memory blocks and byte access, for routines that hand buffers to libraries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/text.h"

namespace rt {

// A zero-filled block (release with MemFree), or nullptr when memory is exhausted.
void* MemAlloc(size_t size);
void MemFree(void* block);
int8_t MemPeekByte(const void* address);
uint8_t MemPeekUByte(const void* address);
void MemPokeByte(void* address, int32_t value);
// Copies the text and a terminating 0 unit; returns the bytes copied without it.
int32_t MemPokeText(void* address, TextView text);

}  // namespace rt

#include "runtime/memory.h"

#include <cstdlib>
#include <cstring>

namespace rt {

void* MemAlloc(size_t size) { return std::calloc(size == 0 ? 1 : size, 1); }

void MemFree(void* block) { std::free(block); }

int8_t MemPeekByte(const void* address) { return *static_cast<const int8_t*>(address); }

uint8_t MemPeekUByte(const void* address) { return *static_cast<const uint8_t*>(address); }

void MemPokeByte(void* address, int32_t value) {
  *static_cast<uint8_t*>(address) = static_cast<uint8_t>(value);
}

int32_t MemPokeText(void* address, TextView text) {
  text = Visible(text);
  const size_t bytes = text.size() * sizeof(char16_t);
  std::memcpy(address, text.data(), bytes);
  std::memset(static_cast<char*>(address) + bytes, 0, sizeof(char16_t));
  return static_cast<int32_t>(bytes);
}

}  // namespace rt

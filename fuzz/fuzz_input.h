// What every fuzz target shares: fuzz bytes turned into texts, numbers and scratch files,
// and the check that stops the run when a property breaks.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/text.h"

namespace fuzz {

// Reads the fuzz bytes front to back as the target asks for values; an exhausted input
// gives empty texts and the lowest numbers, so every input is a complete case.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : provider_(data, size) {}

  // A text of at most maxUnits units. Each byte is the unit of the same code, so the
  // delimiters and markers of the routines are easy to reach; byte 0xFF takes the next two
  // bytes as one unit (low byte first), for surrogates and the rest of the 16-bit range.
  rt::Text Text(size_t maxUnits = 256);
  // Short texts for separators, keys and modes.
  rt::Text Word() { return Text(8); }
  // A run of raw bytes of at most maxBytes.
  std::string Bytes(size_t maxBytes = 256) { return provider_.ConsumeRandomLengthString(maxBytes); }
  // All bytes still unread.
  std::string Rest() { return provider_.ConsumeRemainingBytesAsString(); }
  template <class T>
  T Number() {
    return provider_.ConsumeIntegral<T>();
  }
  template <class T>
  T NumberIn(T low, T high) {
    return provider_.ConsumeIntegralInRange<T>(low, high);
  }
  // Picks one of the given values.
  template <class T, size_t N>
  T OneOf(const T (&values)[N]) {
    return values[provider_.ConsumeIntegralInRange<size_t>(0, N - 1)];
  }
  bool Flag() { return provider_.ConsumeBool(); }

 private:
  FuzzedDataProvider provider_;
};

// Stops the run with a report naming the broken property: the fuzzer keeps the input.
void Require(bool holds, const char* property);

// A file of this process's own scratch directory (below TMPDIR, else /tmp), made on first
// use and removed when the process ends.
rt::Text ScratchPath(std::string_view name);
// Writes bytes into the scratch file of that name and returns its path.
rt::Text ScratchFile(std::string_view name, std::string_view bytes);
// The whole content of a file; "" when it cannot be read.
std::string ReadFile(const rt::Text& path);

}  // namespace fuzz

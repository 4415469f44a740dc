// The program's random generator: a lagged two-table generator seeded once per process.
#pragma once

#include <cstdint>

namespace rt {

// An integer from minimum to maximum, both included, compared as unsigned 32-bit
// numbers; when minimum is the greater, the result is maximum.
int32_t RandomInt(int32_t maximum, int32_t minimum);
// Seeds the generator with `seed` instead of thread id XOR tick count (for tests).
void RandomSeed(uint32_t seed);

}  // namespace rt

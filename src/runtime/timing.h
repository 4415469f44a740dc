// Sleeping and a millisecond clock.
#pragma once

#include <cstdint>

namespace rt {

void DelayMs(int32_t milliseconds);
// Milliseconds of a monotonic clock as a 32-bit value; only differences are meaningful.
int32_t ElapsedMs();

}  // namespace rt

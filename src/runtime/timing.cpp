#include "runtime/timing.h"

#include <chrono>
#include <thread>

namespace rt {

// The monotonic clock already ticks in far less than a millisecond, so there is no timer
// resolution to raise on the first call.
void DelayMs(int32_t milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

int32_t ElapsedMs() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
  return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

}  // namespace rt

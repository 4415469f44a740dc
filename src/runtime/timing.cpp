#include "runtime/timing.h"

#include "runtime/platform/http_get.h"
#include "runtime/platform/system.h"

namespace rt {

// A pause is time the web views' transfers can use: they move on whenever their sockets
// are ready, so a page on a near server is loaded within the first pause of a loop.
void DelayMs(int32_t milliseconds) {
  if (milliseconds <= 0) return;
  const uint32_t start = platform::TickCountMs();
  int32_t left = milliseconds;
  while (left > 0 && platform::DriveHttp(left)) {
    left = milliseconds - static_cast<int32_t>(platform::TickCountMs() - start);
  }
  platform::SleepMs(left);
}

int32_t ElapsedMs() { return static_cast<int32_t>(platform::TickCountMs()); }

}  // namespace rt

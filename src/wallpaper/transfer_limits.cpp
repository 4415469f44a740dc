#include "wallpaper/transfer_limits.h"

#include <algorithm>
#include <cstdlib>

namespace pendrel {

namespace {

// 45 s for the page and 105 s for the picture leave half a minute of the three for the
// start-up and the desktop. Under 1 KiB/s for 20 s is a dead link; a slow real one still
// brings a few megabytes in that time.
rt::platform::HttpLimits Limits(int32_t totalSeconds, int64_t maxBytes) {
  rt::platform::HttpLimits limits;
  limits.connectTimeoutMs = 15000;
  limits.lowSpeedBytesPerSecond = 1024;
  limits.stallSeconds = 20;
  limits.totalSeconds = totalSeconds;
  limits.maxBytes = maxBytes;
#ifdef PENDREL_SERVER_BASE_VARIABLE
  // Only the build made for the end-to-end tests has this: their deadline cases would
  // otherwise take minutes each. The times are divided by the variable's value.
  if (const char* divisor = std::getenv("PENDREL_E2E_LIMIT_DIVISOR")) {
    const int32_t by = std::max(1, std::atoi(divisor));
    limits.connectTimeoutMs = std::max(1, limits.connectTimeoutMs / by);
    limits.stallSeconds = std::max(1, limits.stallSeconds / by);
    limits.totalSeconds = std::max(1, limits.totalSeconds / by);
  }
#endif
  return limits;
}

}  // namespace

rt::platform::HttpLimits PageLimits() { return Limits(45, int64_t{16} << 20); }

// Desktops show pictures of a few megabytes; 64 MiB is more than any sensible one.
rt::platform::HttpLimits PictureLimits() { return Limits(105, int64_t{64} << 20); }

}  // namespace pendrel

#include "wallpaper/transfer_limits.h"

#include <algorithm>
#include <cstdlib>

namespace pendrel {

namespace {

// 45 s for the page and 105 s for the picture leave half a minute of the three for the
// start-up and the desktop.
rt::platform::HttpLimits Limits(int32_t totalSeconds) {
  rt::platform::HttpLimits limits;
  limits.totalSeconds = totalSeconds;
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

rt::platform::HttpLimits PageLimits() { return Limits(45); }

rt::platform::HttpLimits PictureLimits() {
  rt::platform::HttpLimits limits = Limits(105);
  // Desktops show pictures of a few megabytes; 64 MiB is more than any sensible one.
  limits.maxBytes = int64_t{64} << 20;
  return limits;
}

}  // namespace pendrel

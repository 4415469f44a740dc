#include "event_pump.h"

#include <algorithm>

#include "runtime/timing.h"
#include "runtime/window.h"

namespace runtimetest {

std::vector<SeenEvent> PumpUntil(const std::function<bool(const std::vector<SeenEvent>&)>& done,
                                 std::chrono::milliseconds limit) {
  std::vector<SeenEvent> seen;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done(seen) && std::chrono::steady_clock::now() < deadline) {
    if (const int32_t code = rt::EventNext()) {
      seen.push_back({code, rt::EventWindow(), rt::EventGadget(), rt::EventType()});
    }
    rt::DelayMs(10);
  }
  return seen;
}

std::vector<SeenEvent> PumpUntilDownloadEnds(int32_t gadget, int count,
                                             std::chrono::milliseconds limit) {
  return PumpUntil(
      [&](const std::vector<SeenEvent>& seen) {
        return CountOf(seen, gadget, rt::DownloadEnd) >= count;
      },
      limit);
}

int CountOf(const std::vector<SeenEvent>& events, int32_t gadget, int32_t type) {
  return static_cast<int>(std::count_if(events.begin(), events.end(), [&](const SeenEvent& e) {
    return e.code == rt::GadgetEvent && e.gadget == gadget && e.type == type;
  }));
}

}  // namespace runtimetest

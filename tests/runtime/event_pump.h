// Drives the runtime's event queue the way the program's loops do, for the tests.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace runtimetest {

struct SeenEvent {
  int32_t code, window, gadget, type;
  bool operator==(const SeenEvent&) const = default;
};

// Fetches events without waiting, 10 ms apart, until `done` holds for what was seen or
// the time is up.
std::vector<SeenEvent> PumpUntil(const std::function<bool(const std::vector<SeenEvent>&)>& done,
                                 std::chrono::milliseconds limit = std::chrono::seconds(20));

// Pumps until the given gadget reported `count` download-end events.
std::vector<SeenEvent> PumpUntilDownloadEnds(
    int32_t gadget, int count, std::chrono::milliseconds limit = std::chrono::seconds(20));

int CountOf(const std::vector<SeenEvent>& events, int32_t gadget, int32_t type);

}  // namespace runtimetest

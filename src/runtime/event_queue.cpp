#include "runtime/event_queue.h"

#include <algorithm>
#include <deque>

#include "runtime/platform/http_get.h"
#include "runtime/timing.h"
#include "runtime/window.h"
#include "runtime/window_objects.h"

namespace rt {

namespace {

struct Event {
  int32_t code = 0;
  int32_t window = 0;
  int32_t gadget = 0;
  int32_t type = 0;
};

std::deque<Event> queue;
Event last;

// EventWait looks at its sources again after this long at the most.
constexpr int32_t kWaitSliceMs = 10;

// A finished page load ends in two download-end events: one for the transfer and one for
// the document, so a loop that waits for the second one finds the text complete.
void PostFinishedLoads() {
  detail::Gadgets().ForEach([](int32_t number, detail::GadgetObject& gadget) {
    if (gadget.web && gadget.web->TakeFinished()) {
      EventPost(GadgetEvent, gadget.window, number, DownloadEnd);
      EventPost(GadgetEvent, gadget.window, number, DownloadEnd);
    }
  });
}

// Lets the web views' transfers and the toolkit move on; waits up to waitMs when nothing
// is pending.
void PumpSources(int32_t waitMs) {
  platform::Toolkit* toolkit = detail::LoadedToolkit();
  const bool transfers = platform::DriveHttp(toolkit ? 0 : waitMs);
  PostFinishedLoads();
  if (!queue.empty()) waitMs = 0;
  if (toolkit) {
    toolkit->Pump(waitMs);
  } else if (!transfers && waitMs > 0) {
    DelayMs(waitMs);
  }
}

int32_t TakeEvent() {
  last = queue.front();
  queue.pop_front();
  return last.code;
}

}  // namespace

void EventPost(int32_t event, int32_t window, int32_t gadget, int32_t type) {
  queue.push_back({event, window, gadget, type});
}

int32_t EventNext() {
  PumpSources(0);
  return queue.empty() ? 0 : TakeEvent();
}

int32_t EventWait() {
  while (queue.empty()) PumpSources(kWaitSliceMs);
  return TakeEvent();
}

int32_t EventWindow() { return last.window; }
int32_t EventGadget() { return last.gadget; }
int32_t EventType() { return last.type; }

namespace detail {

void DropEvents(int32_t window) {
  std::erase_if(queue, [window](const Event& e) { return e.window == window; });
}

}  // namespace detail

}  // namespace rt

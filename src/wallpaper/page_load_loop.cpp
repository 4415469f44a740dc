#include "runtime/timing.h"
#include "runtime/window.h"
#include "wallpaper/content_window.h"

namespace pendrel {

void RunPageLoadLoop(int32_t webView, const std::function<void(const rt::Text&)>& onPage) {
  // The web view reports two download ends per page, the transfer's and the document's;
  // only at the second is the page text complete.
  int32_t downloadEnds = 0;
  while (true) {
    const int32_t event = rt::EventNext();
    const int32_t gadget = rt::EventGadget();
    const int32_t type = rt::EventType();
    rt::DelayMs(10);
    if (event == rt::GadgetEvent && gadget == webView && type == rt::DownloadEnd &&
        ++downloadEnds > 1) {
      onPage(rt::GadgetItemText(webView, 1));
      return;
    }
    if (event == rt::CloseWindowEvent) return;
  }
}

}  // namespace pendrel

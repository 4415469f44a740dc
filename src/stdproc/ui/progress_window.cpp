#include "stdproc/ui/progress_window.h"

#include "runtime/number.h"
#include "runtime/window.h"

namespace stdproc {

namespace {

// Title bar with close box, minimise button and sizing frame, centred on the active window.
constexpr uint32_t kFrame = rt::WindowCaption | rt::WindowSystemMenu | rt::WindowSizingBorder |
                            rt::WindowMinimizeBox | rt::WindowCentered;
constexpr uint32_t kSmooth = 1;

}  // namespace

rt::Text yProgressWindow(rt::TextView title, rt::TextView line1, rt::TextView line2,
                         int32_t maximum) {
  const int32_t window =
      rt::WindowOpen(rt::AnyNumber, rt::Ignore, rt::Ignore, 400, 200, title, kFrame);
  if (!window) return u"";
  const int32_t upper = rt::GadgetText(rt::AnyNumber, 10, 20, 380, 60, line1);
  const int32_t lower = rt::GadgetText(rt::AnyNumber, 10, 90, 380, 60, line2);
  const int32_t bar = rt::GadgetProgress(rt::AnyNumber, 10, 160, 380, 30, 0, maximum, kSmooth);
  return rt::IntToText(window) + u"/" + rt::IntToText(bar) + u"/" + rt::IntToText(upper) + u"/" +
         rt::IntToText(lower);
}

}  // namespace stdproc

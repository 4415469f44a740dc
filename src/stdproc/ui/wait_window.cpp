#include "stdproc/ui/wait_window.h"

#include <algorithm>
#include <cmath>

#include "runtime/number.h"
#include "runtime/timing.h"
#include "runtime/window.h"

namespace stdproc {

int32_t WaitWindow = 0, WaitText = 0, WaitBar = 0, WaitRuler = 0, WaitIndexText = 0;
int32_t WaitBigFont = 0, WaitSmallFont = 0;
double WaitPos = 1.0;
double WaitLastTime = 0.0;
int32_t WaitDelta = 0;
int32_t WaitIndex = 0;

namespace {

constexpr double kIndexScale = 60.0;
constexpr double kIndexPerMs = 2.5;
constexpr double kHopPerMs = 0.004;
constexpr rt::TextView kHopPattern = u"...:\u00b4^`:...:\u00b4^`:...";
constexpr rt::TextView kRuler = u"....+....1....+....2....+....3....+....4....+....5....+....6";
// A tool window (small title bar, no close box) centred on the screen.
constexpr uint32_t kFrame = rt::WindowCaption | rt::WindowToolWindow | rt::WindowScreenCentered;
constexpr uint32_t kSmooth = 1;
constexpr int32_t kEventsPerUpdate = 100;

double RuntimeClock() { return static_cast<double>(rt::ElapsedMs()); }
WaitClock clock = RuntimeClock;

// Half-way values go to the even neighbour; a first reading far from 0 stays in range.
int32_t RoundEven(double value) {
  return static_cast<int32_t>(std::clamp(std::nearbyint(value), -2147483648.0, 2147483647.0));
}

// Lets the window draw and handle what the display sent it.
void FetchEvents() {
  for (int32_t i = 0; i < kEventsPerUpdate; ++i) rt::EventNext();
}

// Fonts keep their numbers from one opening to the next, so reopening replaces them
// instead of piling up new ones.
void LoadFonts() {
  WaitBigFont =
      rt::FontLoad(WaitBigFont ? WaitBigFont : rt::AnyNumber, u"Courier New", 20, rt::FontBold);
  WaitSmallFont =
      rt::FontLoad(WaitSmallFont ? WaitSmallFont : rt::AnyNumber, u"Courier New", 6, rt::FontBold);
}

void Open(bool plain, rt::TextView title) {
  WaitWindow = rt::WindowOpen(rt::AnyNumber, rt::Ignore, rt::Ignore, 310, 110, title, kFrame);
  LoadFonts();
  if (!WaitWindow) return;
  if (plain) {
    WaitRuler = rt::GadgetText(rt::AnyNumber, 5, 45, 300, 30, u"   Bitte warten ");
    rt::GadgetSetFont(WaitRuler, rt::FontHandle(WaitBigFont));
    FetchEvents();
    return;
  }
  WaitText = rt::GadgetText(rt::AnyNumber, 5, 5, 300, 20, u"Bitte warte ...");
  rt::GadgetSetFont(WaitText, rt::FontHandle(WaitBigFont));
  WaitBar = rt::GadgetProgress(rt::AnyNumber, 5, 30, 300, 10, 0, 60, kSmooth);
  WaitRuler = rt::GadgetText(rt::AnyNumber, 5, 45, 300, 20, kRuler);
  rt::GadgetSetFont(WaitRuler, rt::FontHandle(WaitSmallFont));
  WaitIndexText = rt::GadgetText(rt::AnyNumber, 5, 70, 300, 20, u"");
  WaitPos = 1.0;
}

// Before any window was opened (or when opening failed) there is nothing to update; a
// number 0 might be one of the caller's own objects.
void Update(bool full) {
  FetchEvents();
  if (full) {
    WaitIndex = RoundEven(kIndexScale - kIndexPerMs * WaitDelta);
    const rt::Text hop = WaitHopText(WaitPos);
    WaitPos += kHopPerMs * WaitDelta;
    if (WaitPos > static_cast<double>(kHopPattern.size())) WaitPos = 1.0;
    if (!WaitWindow) return;
    rt::GadgetSetText(WaitText, hop);
    rt::GadgetSetState(WaitBar, WaitIndex);
    rt::GadgetSetText(WaitIndexText, u"Performanzindex:" + rt::IntToText(WaitIndex));
  }
  if (WaitWindow) rt::WindowActivate(WaitWindow);
}

}  // namespace

void SetWaitWindowClock(WaitClock newClock) { clock = newClock ? newClock : RuntimeClock; }

rt::Text WaitHopText(double position) {
  const auto column = static_cast<int32_t>(position);
  const rt::Text hop = rt::TextMid(kHopPattern, column, 1);
  return rt::TextSpaces(RoundEven(position) - 1) + hop;
}

int32_t yWaitWindow(rt::TextView modeText, rt::TextView title) {
  const rt::TextView mode = rt::Visible(modeText);
  WaitDelta = RoundEven(clock() - WaitLastTime);
  WaitLastTime = clock();
  if (mode == u"O" || mode == u"O-") {
    Open(mode == u"O-", title);
  } else if (mode == u"" || mode == u"-") {
    Update(mode == u"");
  } else if ((mode == u"C" || mode == u"C-") && WaitWindow) {
    rt::WindowClose(WaitWindow);
  }
  return 0;
}

}  // namespace stdproc

// The waiting window for long loops: called once per pass, it shows how quickly the caller
// comes back (a hopping character, a bar and the "Performanzindex"), or in its plain form
// only "Bitte warten".
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// The one wait window's state; readable by callers that want the index themselves.
extern int32_t WaitWindow, WaitText, WaitBar, WaitRuler, WaitIndexText;
extern int32_t WaitBigFont, WaitSmallFont;
extern double WaitPos;       // column of the hopping character, from 1.0
extern double WaitLastTime;  // clock reading of the previous call (ms), 0 before the first
extern int32_t WaitDelta;    // ms between the previous call and this one
extern int32_t WaitIndex;    // 60 - 2.5 per ms of WaitDelta

// The millisecond clock the window measures with; nullptr restores the runtime's
// counter. Tests drive it instead of sleeping.
using WaitClock = double (*)();
void SetWaitWindowClock(WaitClock clock);

// mode "O" opens the full window, "O-" the plain one; "" updates the full window, "-"
// only lets it draw; "C" and "C-" close it. Every call reads the clock. title is used
// when opening. Returns 0.
int32_t yWaitWindow(rt::TextView mode, rt::TextView title);

// The hop pattern's character at column `position`, right-aligned in a field as wide as
// the position rounded.
rt::Text WaitHopText(double position);

}  // namespace stdproc

// The documentation texts built into the program: version, history, description.
#pragma once

#include "runtime/text.h"

namespace pendrel {

// "V": the version ("  V 1.00"), "A": the history, "D": the description; else "".
rt::Text zDoku(rt::TextView xFkt);

}  // namespace pendrel

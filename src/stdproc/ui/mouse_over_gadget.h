// Whether the mouse pointer is over a gadget right now.
#pragma once

#include <cstdint>

namespace stdproc {

// 1 when the pointer is inside the gadget's screen rectangle (right and bottom edges
// belong to the neighbours), else 0; 0 for a gadget that does not exist. Only geometry
// counts: a gadget covered by another window still answers 1.
int32_t yMouseOverGadget(int32_t gadget);

}  // namespace stdproc

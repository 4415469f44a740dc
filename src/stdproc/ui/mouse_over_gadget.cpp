#include "stdproc/ui/mouse_over_gadget.h"

#include "runtime/window.h"

namespace stdproc {

int32_t yMouseOverGadget(int32_t gadget) {
  int32_t left, top, width, height;
  if (!rt::GadgetScreenRect(gadget, left, top, width, height)) left = top = width = height = 0;
  int32_t x, y;
  if (!rt::PointerPosition(x, y)) return 0;
  return left <= x && x < left + width && top <= y && y < top + height ? 1 : 0;
}

}  // namespace stdproc

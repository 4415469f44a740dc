// Small windows for the family's programs: progress, waiting with the performance index,
// a minimum-size resize handler, and the pointer-over-gadget test.
#pragma once

#include "stdproc/ui/min_size_handler.h"
#include "stdproc/ui/mouse_over_gadget.h"
#include "stdproc/ui/progress_window.h"
#include "stdproc/ui/wait_window.h"

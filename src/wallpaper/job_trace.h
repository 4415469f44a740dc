// Progress lines of the job for users whose wallpaper did not change (PENDREL_TRACE=1).
#pragma once

#include "runtime/text.h"
#include "stdproc/trace/trace.h"

namespace pendrel {

inline void TraceJob(rt::TextView routine, rt::TextView line) {
  stdproc::yTrace(u"Pendrel", u"", routine, line);
}

}  // namespace pendrel

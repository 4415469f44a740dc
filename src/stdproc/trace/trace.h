// Trace hooks: library routines report entry, exit and progress lines here.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// Entry ("#S") / exit ("#E") tracer; the result is handed back at exit.
int32_t s_PgmCheck(rt::TextView mode, rt::TextView routine, int32_t startValue,
                   rt::TextView detail);
// One progress line. Lines go to standard error when PENDREL_TRACE=1, else nowhere;
// control characters in them are shown as escapes (\r, \x1b), other text as it is.
void yTrace(rt::TextView module, rt::TextView group, rt::TextView routine, rt::TextView text);

// Calls s_PgmCheck with "#S" on construction and "#E" when the routine returns.
class TracedRoutine {
 public:
  explicit TracedRoutine(rt::TextView name)
      : name_(name), value_(s_PgmCheck(u"#S", name, 0, u"")) {}
  ~TracedRoutine() { s_PgmCheck(u"#E", name_, value_, u""); }
  TracedRoutine(const TracedRoutine&) = delete;
  TracedRoutine& operator=(const TracedRoutine&) = delete;

 private:
  rt::TextView name_;
  int32_t value_;
};

}  // namespace stdproc

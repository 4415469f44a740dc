#include "runtime/processes.h"
#include "runtime/runtime.h"
#include "stdproc/env/env.h"

namespace stdproc {

// Every process the user may examine counts; unlike a fixed identifier table, the scan
// has no upper bound on the number of processes.
int32_t yPgmInstanzen(rt::TextView name, int32_t mode) {
  const rt::Text wanted = rt::TextUpper(name);
  int32_t count = 0;
  for (const rt::Text& running : rt::ProcessExecutableNames()) {
    if (rt::TextUpper(running) != wanted) continue;
    ++count;
    if (mode == 0) break;
  }
  return count;
}

}  // namespace stdproc

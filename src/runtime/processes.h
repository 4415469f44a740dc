// The running processes, as far as this user may examine them.
#pragma once

#include <vector>

#include "runtime/text.h"

namespace rt {

// The executable file names (without directory) of the running processes. A process
// whose executable cannot be read is left out; the " (deleted)" mark of an executable
// removed or replaced since its start is dropped.
std::vector<Text> ProcessExecutableNames();

}  // namespace rt

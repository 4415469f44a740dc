// What the runtime's process list asks of the operating system.
#pragma once

#include <string>
#include <vector>

namespace rt::platform {

// The executable paths of the running processes that this user may examine; a process
// whose executable cannot be read is left out.
std::vector<std::string> ProcessExecutablePaths();

}  // namespace rt::platform

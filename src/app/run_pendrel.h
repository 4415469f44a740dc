// The program behind the process entry of each system.
#pragma once

namespace pendrel {

// Runs the start-up block and the job, then shuts the runtime down; the entry has started
// the runtime with the command line. Returns the exit code, which is always 0.
int RunPendrel();

}  // namespace pendrel

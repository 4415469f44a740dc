#include "runtime/platform/toolkit.h"

namespace rt::platform {

// Not ported yet: without a toolkit, windows stay hidden and message boxes write to the
// standard error output.
Toolkit* LoadToolkit(ToolkitEvents&) { return nullptr; }

}  // namespace rt::platform

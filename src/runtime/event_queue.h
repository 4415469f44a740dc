// The event queue's hooks for the rest of the runtime.
#pragma once

#include <cstdint>

namespace rt::detail {

// Forgets the pending events of a window that closes (its gadgets' events included), so
// that none of them names a number that may soon belong to another window.
void DropEvents(int32_t window);

}  // namespace rt::detail

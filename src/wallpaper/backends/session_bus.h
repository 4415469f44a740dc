// Method calls to desktop services on the user's session bus (KDE Plasma, XFCE).
#pragma once

#include <gio/gio.h>

namespace pendrel::backends {

// Calls method on the service's object and waits up to 10 seconds for the answer; the
// reply (the caller unrefs it), or nullptr when there is no session bus, the service
// cannot be reached or the call failed. parameters, when floating, is consumed.
GVariant* CallSessionBus(const char* service, const char* object, const char* interface,
                         const char* method, GVariant* parameters);

}  // namespace pendrel::backends

// The user's session bus: whether the session has one, and method calls to desktop
// services on it (KDE Plasma, XFCE).
#pragma once

#include "wallpaper/backends/gio_api.h"

namespace pendrel::backends {

// Whether the session announces its bus (DBUS_SESSION_BUS_ADDRESS, or the user bus socket
// $XDG_RUNTIME_DIR/bus). Only then may the bus be used: without one GDBus would launch a
// bus of its own, with services on it that outlive the program and where no desktop
// listens.
bool SessionBusAnnounced();

// Calls method on the service's object and waits up to 10 seconds for the answer; the
// reply (the caller unrefs it), or nullptr when there is no session bus, the service
// cannot be reached or the call failed. parameters, when floating, is consumed.
GVariant* CallSessionBus(const GioApi& gio, const char* service, const char* object,
                         const char* interface, const char* method, GVariant* parameters);

}  // namespace pendrel::backends

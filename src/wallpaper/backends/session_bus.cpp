#include "wallpaper/backends/session_bus.h"

#include <cstring>

namespace pendrel::backends {

namespace {

constexpr int kCallTimeoutMs = 10000;

GDBusConnection* SessionBus() {
  return SessionBusAnnounced() ? g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr) : nullptr;
}

}  // namespace

bool SessionBusAnnounced() {
  // GDBus takes the variable, even an empty one, before the socket. An address that asks
  // for "autolaunch:" names no bus, only the way to start one.
  const char* address = g_getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address != nullptr) {
    return address[0] != '\0' && std::strstr(address, "autolaunch:") == nullptr;
  }
  const char* runtimeDir = g_getenv("XDG_RUNTIME_DIR");
  if (runtimeDir == nullptr) return false;
  gchar* socket = g_build_filename(runtimeDir, "bus", nullptr);
  const bool present = g_file_test(socket, G_FILE_TEST_EXISTS);
  g_free(socket);
  return present;
}

GVariant* CallSessionBus(const char* service, const char* object, const char* interface,
                         const char* method, GVariant* parameters) {
  GDBusConnection* bus = SessionBus();
  if (bus == nullptr) {
    if (parameters != nullptr) g_variant_unref(g_variant_ref_sink(parameters));
    return nullptr;
  }
  GVariant* reply =
      g_dbus_connection_call_sync(bus, service, object, interface, method, parameters, nullptr,
                                  G_DBUS_CALL_FLAGS_NONE, kCallTimeoutMs, nullptr, nullptr);
  g_object_unref(bus);
  return reply;
}

}  // namespace pendrel::backends

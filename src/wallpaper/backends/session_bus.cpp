#include "wallpaper/backends/session_bus.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace pendrel::backends {

namespace {

constexpr int kCallTimeoutMs = 10000;

GDBusConnection* SessionBus(const GioApi& gio) {
  return SessionBusAnnounced() ? gio.g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr) : nullptr;
}

}  // namespace

bool SessionBusAnnounced() {
  // GDBus takes the variable, even an empty one, before the socket. An address that asks
  // for "autolaunch:" names no bus, only the way to start one.
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address != nullptr) {
    return address[0] != '\0' && std::strstr(address, "autolaunch:") == nullptr;
  }
  const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
  if (runtimeDir == nullptr) return false;
  std::error_code error;
  return std::filesystem::exists(std::filesystem::path(runtimeDir) / "bus", error);
}

GVariant* CallSessionBus(const GioApi& gio, const char* service, const char* object,
                         const char* interface, const char* method, GVariant* parameters) {
  GDBusConnection* bus = SessionBus(gio);
  if (bus == nullptr) {
    if (parameters != nullptr) gio.g_variant_unref(gio.g_variant_ref_sink(parameters));
    return nullptr;
  }
  GVariant* reply =
      gio.g_dbus_connection_call_sync(bus, service, object, interface, method, parameters, nullptr,
                                      G_DBUS_CALL_FLAGS_NONE, kCallTimeoutMs, nullptr, nullptr);
  gio.g_object_unref(bus);
  return reply;
}

}  // namespace pendrel::backends

#include "support/dbus_session.h"

#include <chrono>
#include <stdexcept>

namespace testsupport {

DbusSession::DbusSession(const std::map<std::string, std::string>& env) {
  ProcessOptions options;
  options.captureStdout = true;
  for (const auto& [name, value] : env) options.env[name] = value;
  // The bus lives as long as its one child, which reports the address and then waits.
  bus_ = std::make_unique<Process>(
      std::vector<std::string>{"dbus-run-session", "--", "/bin/sh", "-c",
                               "echo \"$DBUS_SESSION_BUS_ADDRESS\"; exec sleep 3600"},
      options);
  auto line = bus_->ReadStdoutLine(std::chrono::seconds(30));
  if (!line || line->empty()) throw std::runtime_error("dbus-run-session did not start a bus");
  address_ = *line;
}

}  // namespace testsupport

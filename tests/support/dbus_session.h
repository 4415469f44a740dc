// A private D-Bus session bus (dbus-run-session) for one test. Services the bus starts on
// demand (dconf, xfconfd) run with the environment given here.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "support/process.h"

namespace testsupport {

class DbusSession {
 public:
  // Throws when the bus does not come up (a missing peer fails loudly).
  explicit DbusSession(const std::map<std::string, std::string>& env = {});
  const std::string& address() const { return address_; }

 private:
  std::unique_ptr<Process> bus_;
  std::string address_;
};

}  // namespace testsupport

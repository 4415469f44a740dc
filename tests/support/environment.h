// Setting the test process's environment the way the routines under test read it.
#pragma once

#include <optional>
#include <string>

namespace testsupport {

// nullopt removes the variable.
void SetEnvironment(const std::string& name, const std::optional<std::string>& value);

}  // namespace testsupport

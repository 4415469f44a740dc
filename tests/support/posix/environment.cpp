#include "support/environment.h"

#include <stdlib.h>

namespace testsupport {

void SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
  value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
}

}  // namespace testsupport

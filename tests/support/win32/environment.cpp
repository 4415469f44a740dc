#include "support/environment.h"

#include <windows.h>

#include "runtime/platform/win32/wide_text.h"

namespace testsupport {

// The process environment that GetEnvironmentVariableW reads, and the C runtime's copy.
void SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
  const std::wstring wideName = rt::platform::Wide(name);
  const std::wstring wideValue = value ? rt::platform::Wide(*value) : std::wstring();
  SetEnvironmentVariableW(wideName.c_str(), value ? wideValue.c_str() : nullptr);
  _wputenv_s(wideName.c_str(), wideValue.c_str());
}

}  // namespace testsupport

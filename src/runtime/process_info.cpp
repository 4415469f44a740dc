#include "runtime/process_info.h"

#include "runtime/platform/system.h"

namespace rt {

Text ExecutablePath() { return FromUtf8(platform::ExecutablePath()); }

Text CurrentDirectory() { return FromUtf8(platform::CurrentDirectory()); }

std::optional<Text> EnvironmentValue(TextView name) {
  auto value = platform::EnvironmentVariable(ToUtf8(Visible(name)));
  return value ? std::optional<Text>(FromUtf8(*value)) : std::nullopt;
}

Text PasswdLoginName() { return FromUtf8(platform::PasswdLoginName()); }

}  // namespace rt

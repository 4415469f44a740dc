// Facts about the running process and its user, as texts.
#pragma once

#include <optional>

#include "runtime/text.h"

namespace rt {

Text ExecutablePath();    // "" when it cannot be read
Text CurrentDirectory();  // "" when it cannot be read
std::optional<Text> EnvironmentValue(TextView name);
Text PasswdLoginName();  // login name of the real user id; "" when unknown

}  // namespace rt

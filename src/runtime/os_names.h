// Names handed to the operating system: the visible text as UTF-8, and back.
#pragma once

#include <string>

#include "runtime/text.h"

namespace rt {

inline std::string ToOsName(TextView name) { return ToUtf8(Visible(name)); }
inline Text FromOsName(std::string_view name) { return FromUtf8(name); }

}  // namespace rt

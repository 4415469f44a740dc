// Removing entries from a private-profile (ini) file: sections headed "[name]", each
// followed by its "key=value" lines. Names compare without regard to case. A missing file,
// section or key changes nothing, and no file is ever created. Names are UTF-16.
#pragma once

#include "runtime/text.h"

namespace rt::platform {

// Removes the line of `key` from the first section named `section` that holds it.
void DeleteProfileKey(const Text& section, const Text& key, const Text& file);
// Removes the header of the first section named `section` and all its lines.
void DeleteProfileSection(const Text& section, const Text& file);

}  // namespace rt::platform

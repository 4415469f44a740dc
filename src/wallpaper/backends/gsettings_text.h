// Text settings of the GSettings-based desktops (GNOME, Cinnamon, MATE).
#pragma once

#include <initializer_list>
#include <string>

namespace pendrel::backends {

// Sets every one of keys that the schema has to value in the desktop's settings store
// (dconf on the announced session bus) and waits until the store has it. A key that
// already holds value is not written: the desktop watches that file and shows it anew when
// it is replaced. False when the schema is not installed or has none of the keys, when
// there is no session bus or no dconf, or when the store did not take a write.
bool SetGSettingsText(const char* schemaId, std::initializer_list<const char*> keys,
                      const std::string& value);

}  // namespace pendrel::backends

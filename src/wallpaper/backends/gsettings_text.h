// Text settings of the GSettings-based desktops (GNOME, Cinnamon, MATE).
#pragma once

#include <initializer_list>
#include <string>

namespace pendrel::backends {

// Sets every one of keys that the schema has to value and writes it to the user's settings
// store. A key that already holds value is first set to "" so that the desktop sees a
// change and reads the file again. False when the schema is not installed, has none of the
// keys, a key cannot be written, or no lasting settings store is there.
bool SetGSettingsText(const char* schemaId, std::initializer_list<const char*> keys,
                      const std::string& value);

}  // namespace pendrel::backends

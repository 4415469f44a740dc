// Reading "key = value" preference files with [groups]; one file open at a time.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace rt {

// Reads the file (a missing one reads as empty); non-zero when it exists.
int32_t PrefOpen(TextView fileName);
// Group names compare without regard to ASCII case; "" = keys before the first group.
void PrefGroup(TextView name);
// The value of the first entry with that key in the current group, or the default.
Text PrefReadText(TextView key, TextView defaultValue);
void PrefClose();

}  // namespace rt

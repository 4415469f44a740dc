// Dates: 32-bit seconds since 1970-01-01 holding local wall-clock time as if it were UTC.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace rt {

inline constexpr int32_t InvalidDate = -1;

// Now, as local wall-clock time; -1 after 2038-01-19 03:14:07.
int32_t DateNow();
// The date, or -1 when any field is out of range.
int32_t DateMake(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                 int32_t second);
// The mask with %yyyy %yy %mm %dd %hh %ii %ss (any letter case) replaced.
Text DateFormat(TextView mask, int32_t date);

}  // namespace rt

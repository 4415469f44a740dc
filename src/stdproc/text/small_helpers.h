// Small helpers: base-36 numbers, remainder, absolute value, overwriting part of a text,
// and writing a text into a new file.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// Digits 0-9 and A-Z. A negative number is an error: a message box titled "test" and "",
// except that a negative multiple of 36 gives "0".
rt::Text yToBase36(int32_t number);
// Remainder with the sign of the dividend (-7, 3 -> -1); 0 for a divisor of 0.
int32_t yMod(int32_t dividend, int32_t divisor);
// Absolute value; INT32_MIN has none and comes back unchanged.
int32_t yAbs(int32_t number);
// text with insertion written over it from position (below 1 counts as 1); the text
// grows where insertion reaches past its end. A position beyond the end changes nothing.
rt::Text yOverwriteAt(rt::TextView text, rt::TextView insertion, int32_t position);
// Creates (or empties) the file and writes text in the runtime's text format, without a
// line end. The write's result (bytes written), or 0 when the file cannot be created.
int32_t yWriteTextFile(rt::TextView fileName, rt::TextView text, int32_t format);

}  // namespace stdproc

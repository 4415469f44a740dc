// Fields of a command or parameter line, where delimiters inside quotes or parentheses
// do not count.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// Field `index` of text at a one-character delimiter, counted from 0. Field 0 is the text
// before the first delimiter that counts; field n >= 1 starts with the n-th such
// delimiter and runs up to the next one. Delimiters inside single or double quotes or
// inside parentheses do not count; an unmatched ")" stops every later one from counting.
// "" for a negative index or one beyond the last field.
rt::Text yStringField(rt::TextView text, int32_t index, rt::TextView delimiter);

}  // namespace stdproc

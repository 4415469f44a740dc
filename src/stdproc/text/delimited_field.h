// Fields that open with a start delimiter and close with an end delimiter, such as the
// links of an HTML page or quoted values.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// Mode "#CNT" counts the start delimiters (non-overlapping) and returns the count in
// decimal; mode "#GET" returns the text between the n-th start delimiter (n <= 1: the
// first) and the next end delimiter behind it, or "" when either is missing. Searches
// ignore letter case, the field keeps the case of `text`. Mode words are found anywhere
// in `mode`, in any case; with both, a field found replaces the count.
rt::Text yDelimitedField(rt::TextView mode, rt::TextView text, rt::TextView startDelimiter,
                         rt::TextView endDelimiter, int32_t n);

}  // namespace stdproc

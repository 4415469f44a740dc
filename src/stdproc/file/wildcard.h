// Name filter of the directory listings: "*", "?" and alternatives separated by "|".
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// 1 when the text matches the pattern, else 0. The string holding a "*" is the pattern
// (when the first does, the two change places); an empty pattern, "*" and "*.*" match
// everything. ignoreCase 1 compares in lower case. A "*" before a literal stands for one
// or more characters and takes the literal's first occurrence; a "*" that ends an
// alternative takes any rest, also none. An alternative that fails, or that ends while
// text is left, hands over to the next one, which starts again at the text's beginning.
int32_t yMatchWildcard(rt::TextView first, rt::TextView second, int32_t ignoreCase);

}  // namespace stdproc

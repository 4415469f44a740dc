// Messages to the user: a modal box, or the console when asked with negative flags.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// Negative flags: the text goes unchanged to the console and the result is 0. Otherwise a
// modal box (flags as the platform's box type, 0 = OK only) with the text prepared by
// yMessageText; the result is the code of the button that closed it.
int32_t yInfoBox(rt::TextView title, rt::TextView text, int32_t flags);

// Resolves the escapes callers write inside plain string constants: backslash, "n", blank
// becomes CR LF; backslash, apostrophe, blank becomes a double quote.
rt::Text yMessageText(rt::TextView text);

}  // namespace stdproc

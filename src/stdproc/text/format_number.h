// Right-aligned number formatting through a picture mask, for columns of fixed width.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc {

// Fills the mask from the right with the digits of value: "0" a digit or "0", "#" a digit
// or a space, "." itself between digits and a space in front of them, anything else
// itself. A leading ">$" (hexadecimal) or ">%" (binary) of the 64-bit sign-extended value
// selects the digits; otherwise decimal, where a "-" takes a place like a digit. The
// result is as long as the mask without prefix; surplus leading digits are dropped.
rt::Text yFormatNumber(rt::TextView mask, int32_t value);

}  // namespace stdproc

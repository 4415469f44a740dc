// Conversions between numbers and text.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace rt {

// Leading spaces/tabs, optional sign, then "$" hex, "%" binary or decimal digits;
// stops at the first misfit, wraps modulo 2^64, no digit gives 0.
int64_t TextToInt(TextView text);
// "+Infinity", "-Infinity", "NaN" (whole text, any case) or a leading decimal number
// with "." as decimal point and an optional exponent; no number gives 0.
float TextToFloat(TextView text);
Text IntToText(int64_t value);
// Upper-case digits of the 64-bit two's complement, no leading zeros.
Text IntToHex(int64_t value);
Text IntToBin(int64_t value);
// Integer part, truncated toward zero (saturating outside the 64-bit range).
int64_t FloatToInt(double value);

}  // namespace rt

#include "support/platform_expectations.h"

namespace testsupport {

const bool kAnsiIsCodePage = false;
const char16_t* const kMathLibrary = u"libm.so.6";
const char16_t* const kCLibrary = u"libc.so.6";
const bool kDisplayCanBeMissing = true;
const bool kWin32Frames = false;

}  // namespace testsupport

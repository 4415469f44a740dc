#include "support/platform_expectations.h"

namespace testsupport {

const bool kAnsiIsCodePage = true;
const char16_t* const kMathLibrary = u"msvcrt.dll";
const char16_t* const kCLibrary = u"msvcrt.dll";
const bool kDisplayCanBeMissing = false;
const bool kWin32Frames = true;

}  // namespace testsupport

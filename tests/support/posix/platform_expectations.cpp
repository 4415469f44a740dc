#include "support/platform_expectations.h"

namespace testsupport {

const char16_t kSeparator = u'/';
const char* const kUserVariable = "USER";
const char* const kAppDataVariable = "XDG_CONFIG_HOME";
const bool kTmpdirCounts = true;
const char* const kProgramSuffix = "";
const bool kAnsiIsCodePage = false;
const char16_t* const kMathLibrary = u"libm.so.6";
const char16_t* const kCLibrary = u"libc.so.6";
const bool kDisplayCanBeMissing = true;
const bool kWin32Frames = false;
const char* const kFullDevice = "/dev/full";
const bool kProfileKeepsLayout = true;

}  // namespace testsupport

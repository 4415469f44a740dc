#include "support/platform_expectations.h"

namespace testsupport {

const char16_t kSeparator = u'\\';
const char* const kUserVariable = "USERNAME";
const char* const kAppDataVariable = "APPDATA";
const bool kTmpdirCounts = false;
const char* const kProgramSuffix = ".exe";
const bool kAnsiIsCodePage = true;
const char16_t* const kMathLibrary = u"msvcrt.dll";
const char16_t* const kCLibrary = u"msvcrt.dll";
const bool kDisplayCanBeMissing = false;
const bool kWin32Frames = true;
const char* const kFullDevice = "";
const bool kProfileKeepsLayout = false;

}  // namespace testsupport

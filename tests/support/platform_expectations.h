// Where Linux and Windows rightly give different results, a test states the difference in
// one line with these.
#pragma once

namespace testsupport {

// Whether ANSI text is the system code page (1252 here) rather than UTF-8 with a
// Windows-1252 fallback.
extern const bool kAnsiIsCodePage;
// System libraries that export the C library's cos, abs and strlen.
extern const char16_t* const kMathLibrary;
extern const char16_t* const kCLibrary;

}  // namespace testsupport

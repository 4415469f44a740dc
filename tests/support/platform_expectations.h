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
// Whether a program can run without a display (Linux without DISPLAY); Windows always has
// its desktop, so its windows and message boxes are always shown.
extern const bool kDisplayCanBeMissing;
// Whether windows have Win32 frames: the asked position is the outer frame's, any window
// can be asked to close (Alt+F4), and a tool window draws its own small title bar. Without
// them, an X window that no manager frames has its inner area at the asked position.
extern const bool kWin32Frames;

}  // namespace testsupport

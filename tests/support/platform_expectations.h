// Where Linux and Windows rightly give different results, a test states the difference in
// one line with these.
#pragma once

namespace testsupport {

// The separator the system writes after a directory name.
extern const char16_t kSeparator;
// The variables holding the user's name and the application-data directory (USER and
// XDG_CONFIG_HOME on Linux, USERNAME and APPDATA on Windows), and whether TMPDIR names a
// temporary directory too (Linux).
extern const char* const kUserVariable;
extern const char* const kAppDataVariable;
extern const bool kTmpdirCounts;
// What a program's file name ends in (".exe" on Windows).
extern const char* const kProgramSuffix;

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
// Whether removing private-profile entries leaves every other byte of the file as it was;
// Windows rewrites the file in its own layout (CR LF, trimmed lines, no blank lines).
extern const bool kProfileKeepsLayout;
// A file whose every write fails for want of space (Linux's /dev/full); "" where the
// system has none.
extern const char* const kFullDevice;

}  // namespace testsupport

#include "runtime/platform/ansi_code_page.h"

#include "runtime/text.h"

namespace rt::platform {

// Linux's code page is UTF-8; files written by the Windows family still read, as their
// bytes that are not UTF-8 decode as Windows-1252.
std::u16string AnsiToText(std::string_view bytes) { return FromUtf8OrWindows1252(bytes); }

std::string TextToAnsi(std::u16string_view text) { return ToUtf8(text); }

}  // namespace rt::platform

// The system's ANSI code page: how text files without a byte-order mark are read and
// written in the "ANSI" format.
#pragma once

#include <string>
#include <string_view>

namespace rt::platform {

std::u16string AnsiToText(std::string_view bytes);
// Characters the code page lacks become the platform's replacement.
std::string TextToAnsi(std::u16string_view text);

}  // namespace rt::platform

// The ANSI code page is the platform's: its rule lives below the seam.
#include "runtime/platform/ansi_code_page.h"
#include "runtime/text.h"

namespace rt {

Text FromAnsi(std::string_view bytes) { return platform::AnsiToText(bytes); }

std::string ToAnsi(TextView text) { return platform::TextToAnsi(text); }

}  // namespace rt

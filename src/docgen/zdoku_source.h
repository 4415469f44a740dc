// The C++ definition of pendrel::zDoku, generated at build time from the texts of the
// program's documentation include.
#pragma once

#include <string>
#include <string_view>

#include "docgen/doku_include_reader.h"

namespace stdproc::doku {

std::string ZDokuSource(const DokuTexts& texts);

// A u"..." literal of the text: printable ASCII as it is, everything else escaped, so the
// generated file means the same whatever the compiler takes for the source character set.
std::string Utf16Literal(std::u32string_view text);

}  // namespace stdproc::doku

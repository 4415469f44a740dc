// Value strings of UTF-16 code units and the text operations every routine relies on.
// Positions count from 1; a text ends at its first 0 unit; missing and empty behave alike.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

using Text = std::u16string;
using TextView = std::u16string_view;

// The text up to (not including) its first 0 unit: what every operation sees.
TextView Visible(TextView text);

int32_t TextLength(TextView text);
// Position of search at or after start (start < 1 counts as 1), or 0.
int32_t TextFind(TextView text, TextView search, int32_t start = 1);
// Occurrences, left to right without overlap; empty search gives 0.
int32_t TextCount(TextView text, TextView search);
// Field number index (from 1); a one-character delimiter is matched per character, a
// longer one as a whole; an empty delimiter makes the whole text field 1.
Text TextField(TextView text, int32_t index, TextView delimiter);
Text TextReplace(TextView text, TextView search, TextView replacement);
Text TextMid(TextView text, int32_t start);
Text TextMid(TextView text, int32_t start, int32_t length);
Text TextLeft(TextView text, int32_t n);
Text TextRight(TextView text, int32_t n);
// Only the space character (32) counts; tabs are kept.
Text TextTrim(TextView text);
Text TextLTrim(TextView text);
Text TextRTrim(TextView text);
Text TextPadRight(TextView text, int32_t length, TextView fill = u" ");
// Spaces in front; a longer text is cut to its first length characters.
Text TextPadLeft(TextView text, int32_t length);
// Unicode simple case mapping (agrees with Windows on Latin-1: ß stays, ÿ -> Ÿ).
Text TextUpper(TextView text);
Text TextLower(TextView text);
Text TextSpaces(int32_t n);
Text TextChar(int32_t code);
int32_t TextCode(TextView text);

// Conversions at the edges of the program (OS calls take UTF-8).
std::string ToUtf8(TextView text);
Text FromUtf8(std::string_view bytes);
// UTF-8 where the bytes are valid UTF-8, each other byte as Windows-1252.
Text FromUtf8OrWindows1252(std::string_view bytes);
// Text in the system's ANSI code page, the encoding of files without a byte-order mark.
Text FromAnsi(std::string_view bytes);
std::string ToAnsi(TextView text);
// Each byte as the Latin-1 character of the same code.
Text FromLatin1(std::string_view bytes);
// Windows-1252 bytes; characters without a code there become '?'.
std::string ToWindows1252(TextView text);

}  // namespace rt

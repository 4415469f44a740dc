#include "docgen/zdoku_source.h"

#include <cstdio>

namespace stdproc::doku {

namespace {

std::string Escape(char32_t c) {
  char buffer[16];
  if (c == U'\r' || c == U'\n') return c == U'\r' ? "\\r" : "\\n";
  if (c == U'\\' || c == U'"') {
    std::snprintf(buffer, sizeof buffer, "\\%c", static_cast<char>(c));
  } else if (c >= 0x20 && c < 0x7F) {
    std::snprintf(buffer, sizeof buffer, "%c", static_cast<char>(c));
  } else if (c < 0xA0) {
    // Three octal digits always, so a following digit cannot join the escape; universal
    // character names may not name control characters.
    std::snprintf(buffer, sizeof buffer, "\\%03o", static_cast<unsigned>(c));
  } else if (c <= 0xFFFF) {
    std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(c));
  } else {
    std::snprintf(buffer, sizeof buffer, "\\U%08X", static_cast<unsigned>(c));
  }
  return buffer;
}

}  // namespace

std::string Utf16Literal(std::u32string_view text) {
  std::string literal = "u\"";
  for (char32_t c : text) literal += Escape(c);
  return literal + "\"";
}

std::string ZDokuSource(const DokuTexts& texts) {
  return "// Generated at build time from the program's documentation include; change the\n"
         "// header of the program's main source file instead and let a development run\n"
         "// write the include again.\n"
         "#include \"app/zdoku.h\"\n"
         "\n"
         "namespace pendrel {\n"
         "\n"
         "rt::Text zDoku(rt::TextView xFkt) {\n"
         "  xFkt = rt::Visible(xFkt);\n"
         "  if (xFkt == u\"V\") return " +
         Utf16Literal(texts.version) +
         ";\n"
         "  if (xFkt == u\"A\") return " +
         Utf16Literal(texts.history) +
         ";\n"
         "  if (xFkt == u\"D\") return " +
         Utf16Literal(texts.description) +
         ";\n"
         "  return u\"\";\n"
         "}\n"
         "\n"
         "}  // namespace pendrel\n";
}

}  // namespace stdproc::doku

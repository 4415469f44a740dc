// The build step's include reader on any bytes: an include it accepts compiles into a
// zDoku source of plain printable ASCII lines, whatever the texts held.
#include "docgen/doku_include_reader.h"

#include "docgen/zdoku_source.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view include(reinterpret_cast<const char*>(data), size);
  stdproc::doku::DokuTexts texts;
  stdproc::doku::DokuReadError error;
  if (!stdproc::doku::ReadDokuInclude(include, texts, error)) {
    fuzz::Require(error.line >= 1 && !error.message.empty(), "a refusal names line and reason");
    return 0;
  }
  fuzz::Require(texts.version.size() > 4, "an accepted include has a version");
  for (const char c : stdproc::doku::ZDokuSource(texts)) {
    fuzz::Require(c == '\n' || (c >= 0x20 && c < 0x7F), "the source is printable ASCII");
  }
  return 0;
}

// The documentation generator on any source file: the include it writes is one the build
// step accepts, unless the source's history names no version.
#include "docgen/doku_generator.h"

#include "docgen/doku_include_reader.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view source(reinterpret_cast<const char*>(data), size);
  const rt::Text program = fuzz::ScratchPath("program");
  stdproc::yGenerierenDokPbi(fuzz::ScratchFile("program.pb", source), program);

  const std::string include = fuzz::ReadFile(program + u"_doku.pbi");
  fuzz::Require(!include.empty(), "an include is written");
  stdproc::doku::DokuTexts texts;
  stdproc::doku::DokuReadError error;
  fuzz::Require(stdproc::doku::ReadDokuInclude(include, texts, error) ||
                    error.message == "the include carries no version number",
                "the build step reads what the generator writes");
  return 0;
}

// Deleting a key or a section from any file: the file loses one stretch of its bytes at
// most, every other byte stays where it was, and a missing file stays missing.
#include <filesystem>

#include "fuzz_input.h"
#include "stdproc/transfer/transfer.h"

namespace {

// after is before with one contiguous stretch taken out (possibly an empty one).
bool OneStretchRemoved(std::string_view before, std::string_view after) {
  if (after.size() > before.size()) return false;
  size_t common = 0;
  while (common < after.size() && before[common] == after[common]) ++common;
  return before.ends_with(after.substr(common));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const bool wholeSection = input.Flag();
  const rt::Text section = input.Word();
  const rt::Text key = input.Word();
  const std::string before = input.Rest();
  const rt::Text file = fuzz::ScratchFile("profile.ini", before);

  if (wholeSection) {
    fuzz::Require(stdproc::yDeleteIniSection(section, file) == 0, "nothing is reported");
  } else {
    fuzz::Require(stdproc::yDeleteIniKey(section, key, file) == 0, "nothing is reported");
  }
  fuzz::Require(OneStretchRemoved(before, fuzz::ReadFile(file)),
                "every byte outside the deleted lines stays");

  const rt::Text missing = fuzz::ScratchPath("missing.ini");
  stdproc::yDeleteIniSection(section, missing);
  fuzz::Require(!std::filesystem::exists(rt::ToUtf8(missing)), "a missing file is not created");
  return 0;
}

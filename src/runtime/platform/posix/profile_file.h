// Our own reading of a private-profile (ini) file, by the rules Windows reads it with, keeping
// its bytes: every line is known by its place in the file, so that removing lines leaves all
// others exactly as they were (comments, blank lines, line ends, encoding).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "runtime/text.h"

namespace rt::platform {

struct ProfileLine {
  enum class Kind { kBlank, kSection, kKey };
  size_t begin = 0;  // first byte of the line in the file
  size_t end = 0;    // one past its line end
  Kind kind = Kind::kBlank;
  Text name;  // of the section or key, as written
};

struct LineRange {
  size_t first = 0;  // index of the first line to go
  size_t last = 0;   // one past the last
};

class ProfileFile {
 public:
  // Understands UTF-8 and UTF-16 (either order) after a byte-order mark, and the ANSI
  // rule without one. Lines end at LF.
  explicit ProfileFile(std::string bytes);

  // The header and every line up to the next header of the first section of that name.
  std::optional<LineRange> FindSection(TextView section) const;
  // The first line of that key in the first section of that name that holds it.
  std::optional<LineRange> FindKey(TextView section, TextView key) const;
  // The file's bytes without the given lines.
  std::string Without(LineRange range) const;

 private:
  std::optional<LineRange> SectionFrom(size_t start, TextView section) const;

  std::string bytes_;
  std::vector<ProfileLine> lines_;
};

}  // namespace rt::platform

// Reads a documentation include back into the texts its zDoku returns. The build step that
// compiles zDoku uses it, so it stands on the standard library alone.
#pragma once

#include <string>
#include <string_view>

namespace stdproc::doku {

struct DokuTexts {
  std::u32string version;      // what zDoku("V") returns, e.g. "  V 1.00"
  std::u32string history;      // zDoku("A"): the entries, each followed by CR LF
  std::u32string description;  // zDoku("D"): likewise
};

struct DokuReadError {
  int line = 0;  // from 1
  std::string message;
};

// Accepts exactly the lines the generator writes (CR LF or LF after every line, the last
// one included) with a non-empty version, since a build must not silently lose it.
// false with the first offending line otherwise.
bool ReadDokuInclude(std::string_view include, DokuTexts& texts, DokuReadError& error);

}  // namespace stdproc::doku

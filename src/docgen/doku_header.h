// What the documentation generator collects from a source file's header comment block.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/text.h"

namespace stdproc::doku {

// Follows every collected entry; the entries are counted by it when written, so an entry
// that holds the sequence itself comes out as two.
inline constexpr rt::TextView kEntrySeparator = u"\\0013";

enum class Section : int32_t { BeforeHistory = 0, InHistory = 1, AfterHistory = 2 };

struct Header {
  Section section = Section::BeforeHistory;
  rt::Text version;      // the last valid version number of the history, or ""
  rt::Text history;      // history entries, each followed by kEntrySeparator
  rt::Text description;  // "!D!" entries, each followed by kEntrySeparator
};

// Takes one line of the source into the header; empty lines change nothing.
void ScanLine(Header& header, rt::TextView line);

// Reads the open file to its end, in the text format its byte-order mark announces.
Header ReadHeader(int32_t file);

// The entries of a separator-joined text, in order.
std::vector<rt::Text> Entries(rt::TextView joined);

}  // namespace stdproc::doku

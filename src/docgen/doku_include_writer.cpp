#include "docgen/doku_include_writer.h"

#include <string_view>

#include "docgen/doku_include_format.h"
#include "runtime/files.h"

namespace stdproc::doku {

namespace {

// The include's fixed parts are plain ASCII.
rt::Text Wide(std::string_view ascii) { return rt::Text(ascii.begin(), ascii.end()); }

void WriteAscii(int32_t file, std::string_view line) { rt::FileWriteLine(file, Wide(line)); }

void WriteEntries(int32_t file, rt::TextView joined) {
  for (const rt::Text& entry : Entries(joined)) {
    rt::FileWriteLine(file, Wide(kValueOpen) + entry + Wide(kEntryClose));
  }
}

}  // namespace

void WriteInclude(int32_t file, const Header& header) {
  for (std::string_view line : kHeadLines) WriteAscii(file, line);
  WriteAscii(file, kCaseVersion);
  rt::FileWriteLine(file,
                    Wide(kValueOpen) + Wide(kVersionLead) + header.version + Wide(kValueClose));
  WriteAscii(file, kCaseHistory);
  WriteEntries(file, header.history);
  WriteAscii(file, kCaseDescription);
  WriteEntries(file, header.description);
  for (std::string_view line : kTailLines) WriteAscii(file, line);
}

}  // namespace stdproc::doku

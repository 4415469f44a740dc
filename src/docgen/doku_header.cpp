#include "docgen/doku_header.h"

#include "runtime/files.h"
#include "runtime/number.h"

namespace stdproc::doku {

namespace {

bool StartsWith(rt::TextView line, rt::TextView start) {
  return line.substr(0, start.size()) == start;
}

bool StartsHistory(rt::TextView line) {
  return StartsWith(line, u";* Änderungen:") || StartsWith(line, u";* Aenderungen:");
}

// A double quote would end the include's string literal early.
rt::Text Unquoted(rt::TextView text) { return rt::TextReplace(text, u"\"", u"'"); }

// The version number is the second blank-separated field of the ten characters at "*V",
// tested on the line as written; it goes into the same literal as the entries, so it too
// loses its double quotes.
void TakeVersion(Header& header, rt::TextView line) {
  const int32_t marker = rt::TextFind(line, u"*V");
  if (marker == 0) return;
  const rt::Text number = rt::TextField(rt::TextMid(line, marker, 10), 2, u" ");
  if (rt::TextToFloat(number) > 0) header.version = Unquoted(number);
}

void ScanHistoryLine(Header& header, rt::TextView line) {
  if (StartsWith(line, u";* ---")) return;
  if (rt::TextFind(rt::TextUpper(line), u"XX.XX.XXXX") > 0) return;  // the blank template
  if (StartsWith(line, u";******")) {
    header.section = Section::AfterHistory;
    return;
  }
  TakeVersion(header, line);
  header.history += rt::TextMid(Unquoted(line), 3) + rt::Text(kEntrySeparator);
}

// The text after the whole "!D!" marker, without the blanks that set it off.
rt::Text DescriptionEntry(rt::TextView line, int32_t marker) {
  return rt::TextLTrim(rt::TextMid(Unquoted(line), marker + 3));
}

}  // namespace

void ScanLine(Header& header, rt::TextView line) {
  line = rt::Visible(line);
  if (line.empty()) return;
  if (header.section == Section::BeforeHistory) {
    if (StartsHistory(line)) header.section = Section::InHistory;
  } else if (header.section == Section::InHistory) {
    ScanHistoryLine(header, line);
  }
  if (const int32_t marker = rt::TextFind(line, u"!D!"); marker > 0) {
    header.description += DescriptionEntry(line, marker) + rt::Text(kEntrySeparator);
  }
}

Header ReadHeader(int32_t file) {
  Header header;
  const int32_t format = rt::FileTextFormat(file);
  while (!rt::FileAtEnd(file)) ScanLine(header, rt::FileReadLine(file, format));
  return header;
}

std::vector<rt::Text> Entries(rt::TextView joined) {
  std::vector<rt::Text> entries;
  const int32_t count = rt::TextCount(joined, kEntrySeparator);
  for (int32_t i = 1; i <= count; ++i) entries.push_back(rt::TextField(joined, i, kEntrySeparator));
  return entries;
}

}  // namespace stdproc::doku

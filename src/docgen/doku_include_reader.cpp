#include "docgen/doku_include_reader.h"

#include <vector>

#include "docgen/doku_include_format.h"
#include "docgen/utf8_code_points.h"

namespace stdproc::doku {

namespace {

struct Lines {
  std::vector<std::string_view> text;
  size_t next = 0;  // index of the line to read next
  DokuReadError* error = nullptr;

  int Number() const { return static_cast<int>(next) + 1; }
  bool AtEnd() const { return next >= text.size(); }
  std::string_view Peek() const { return AtEnd() ? std::string_view() : text[next]; }

  bool Fail(std::string message) const {
    *error = {Number(), std::move(message)};
    return false;
  }
};

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  return quoted.append(text).append(1, '"');
}

// Every line, the last one included, ends in LF, CR LF being the generator's form.
bool SplitLines(std::string_view include, Lines& lines) {
  while (!include.empty()) {
    const size_t end = include.find('\n');
    if (end == std::string_view::npos) return lines.Fail("the last line has no line end");
    std::string_view line = include.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.text.push_back(line);
    lines.next = lines.text.size();  // so a missing line end is charged to the line after
    include.remove_prefix(end + 1);
  }
  lines.next = 0;
  return true;
}

bool Expect(Lines& lines, std::string_view want) {
  if (lines.AtEnd()) return lines.Fail("the include ends where " + Quoted(want) + " belongs");
  if (lines.Peek() != want) {
    return lines.Fail("expected " + Quoted(want) + ", found " + Quoted(lines.Peek()));
  }
  ++lines.next;
  return true;
}

// The text of the current line kValueOpen + text + close, appended to value; it may hold no
// double quote (that would end the literal) and no stray carriage return.
bool TakeValue(Lines& lines, std::string_view close, std::u32string& value) {
  const std::string_view line = lines.Peek();
  if (lines.AtEnd() || !line.starts_with(kValueOpen) || !line.ends_with(close) ||
      line.size() < kValueOpen.size() + close.size()) {
    return lines.Fail("expected a value line " +
                      Quoted(std::string(kValueOpen) + "..." + std::string(close)) + ", found " +
                      Quoted(line));
  }
  const std::string_view text =
      line.substr(kValueOpen.size(), line.size() - kValueOpen.size() - close.size());
  if (text.find_first_of("\"\r") != std::string_view::npos) {
    return lines.Fail("a value holds a double quote or a carriage return: " + Quoted(line));
  }
  if (!DecodeUtf8(text, value)) return lines.Fail("the line is not valid UTF-8");
  return true;
}

bool ReadVersion(Lines& lines, std::u32string& version) {
  if (!TakeValue(lines, kValueClose, version)) return false;
  const std::u32string lead(kVersionLead.begin(), kVersionLead.end());
  if (!version.starts_with(lead))
    return lines.Fail("the version text does not start with " + Quoted(kVersionLead));
  if (version.size() == lead.size()) return lines.Fail("the include carries no version number");
  ++lines.next;
  return true;
}

// Entry lines up to the next line of another kind, each becoming the entry and CR LF.
bool ReadEntries(Lines& lines, std::u32string& entries) {
  while (!lines.AtEnd() && lines.Peek().starts_with(kValueOpen)) {
    if (!TakeValue(lines, kEntryClose, entries)) return false;
    entries += U"\r\n";
    ++lines.next;
  }
  return true;
}

}  // namespace

bool ReadDokuInclude(std::string_view include, DokuTexts& texts, DokuReadError& error) {
  Lines lines;
  lines.error = &error;
  texts = {};
  if (!SplitLines(include, lines)) return false;
  for (std::string_view line : kHeadLines) {
    if (!Expect(lines, line)) return false;
  }
  if (!Expect(lines, kCaseVersion) || !ReadVersion(lines, texts.version) ||
      !Expect(lines, kCaseHistory) || !ReadEntries(lines, texts.history) ||
      !Expect(lines, kCaseDescription) || !ReadEntries(lines, texts.description)) {
    return false;
  }
  for (std::string_view line : kTailLines) {
    if (!Expect(lines, line)) return false;
  }
  if (!lines.AtEnd()) return lines.Fail("unexpected line after the end: " + Quoted(lines.Peek()));
  return true;
}

}  // namespace stdproc::doku

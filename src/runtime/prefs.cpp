#include "runtime/prefs.h"

#include <optional>
#include <string>
#include <vector>

#include "runtime/os_names.h"
#include "runtime/platform/file_io.h"

namespace rt {

namespace {

struct PrefEntry {
  bool isGroup;
  Text name;   // group or key
  Text value;  // of a key
};

struct PrefFile {
  std::vector<PrefEntry> entries;
  // Index of the current group's header; -1 for the keys before the first header,
  // nullopt when the group asked for does not exist.
  std::optional<ptrdiff_t> group = -1;
};

std::optional<PrefFile>& Current() {
  static std::optional<PrefFile> file;
  return file;
}

std::optional<std::string> ReadWholeFile(const std::string& name) {
  const int handle = platform::OpenFile(name, platform::OpenMode::kRead);
  if (handle < 0) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  int64_t n;
  while ((n = platform::ReadAt(handle, static_cast<int64_t>(bytes.size()), chunk, sizeof chunk)) >
         0) {
    bytes.append(chunk, static_cast<size_t>(n));
  }
  platform::CloseFile(handle);
  return bytes;
}

// UTF-8 behind its byte-order mark; otherwise the ANSI rule, so files written on Linux
// (UTF-8) and by the Windows family (Windows-1252) both read right.
Text Decode(std::string_view bytes) {
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kUtf8Mark)) return FromUtf8(bytes.substr(kUtf8Mark.size()));
  return FromAnsi(bytes);
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

TextView TrimBlanksLeft(TextView text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

TextView TrimBlanksRight(TextView text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Comments are dropped (the file is never written back), and so is a line without "=",
// which names no value: a stray word must not hide a key's default.
void ParseLine(TextView line, std::vector<PrefEntry>& entries) {
  line = TrimBlanksLeft(line);
  if (line.empty() || line.front() == u';') return;
  if (line.front() == u'[') {
    line.remove_prefix(1);
    entries.push_back({true, Text(line.substr(0, line.find(u']'))), Text()});
    return;
  }
  const size_t equals = line.find(u'=');
  if (equals == TextView::npos) return;
  entries.push_back({false, Text(TrimBlanksRight(line.substr(0, equals))),
                     Text(TrimBlanksRight(TrimBlanksLeft(line.substr(equals + 1))))});
}

std::vector<PrefEntry> Parse(TextView text) {
  std::vector<PrefEntry> entries;
  while (!text.empty()) {
    const size_t end = text.find_first_of(u"\r\n");
    ParseLine(text.substr(0, end), entries);
    text.remove_prefix(end == TextView::npos ? text.size() : end + 1);
  }
  return entries;
}

char16_t FoldAscii(char16_t c) { return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c; }

bool SameName(TextView a, TextView b) {
  a = Visible(a);
  b = Visible(b);
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

int32_t PrefOpen(TextView fileName) {
  PrefClose();
  const std::optional<std::string> bytes = ReadWholeFile(ToOsName(fileName));
  Current() = PrefFile{bytes ? Parse(Decode(*bytes)) : std::vector<PrefEntry>{}};
  return bytes ? 1 : 0;
}

void PrefGroup(TextView name) {
  if (!Current()) return;
  PrefFile& file = *Current();
  if (Visible(name).empty()) {
    file.group = -1;
    return;
  }
  file.group = std::nullopt;
  for (size_t i = 0; i < file.entries.size(); ++i) {
    if (file.entries[i].isGroup && SameName(file.entries[i].name, name)) {
      file.group = static_cast<ptrdiff_t>(i);
      return;
    }
  }
}

Text PrefReadText(TextView key, TextView defaultValue) {
  if (!Current() || !Current()->group) return Text(Visible(defaultValue));
  const PrefFile& file = *Current();
  for (size_t i = static_cast<size_t>(*file.group + 1); i < file.entries.size(); ++i) {
    if (file.entries[i].isGroup) break;
    if (SameName(file.entries[i].name, key)) return file.entries[i].value;
  }
  return Text(Visible(defaultValue));
}

void PrefClose() { Current().reset(); }

}  // namespace rt

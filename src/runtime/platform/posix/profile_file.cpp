#include "runtime/platform/posix/profile_file.h"

namespace rt::platform {

namespace {

enum class Encoding { kAnsi, kUtf8, kUtf16Le, kUtf16Be };

struct Layout {
  Encoding encoding = Encoding::kAnsi;
  size_t markLength = 0;
};

Layout DetectLayout(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return {Encoding::kUtf8, 3};
  if (bytes.substr(0, 2) == "\xFF\xFE") return {Encoding::kUtf16Le, 2};
  if (bytes.substr(0, 2) == "\xFE\xFF") return {Encoding::kUtf16Be, 2};
  return {};
}

size_t UnitSize(Encoding encoding) {
  return encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be ? 2 : 1;
}

char16_t UnitAt(std::string_view bytes, size_t at, Encoding encoding) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  switch (encoding) {
    case Encoding::kUtf16Le:
      return static_cast<char16_t>(byte(at) | byte(at + 1) << 8);
    case Encoding::kUtf16Be:
      return static_cast<char16_t>(byte(at) << 8 | byte(at + 1));
    default:
      return static_cast<char16_t>(byte(at));
  }
}

Text Decode(std::string_view bytes, Encoding encoding) {
  if (encoding == Encoding::kAnsi) return FromAnsi(bytes);
  if (encoding == Encoding::kUtf8) return FromUtf8(bytes);
  Text text;
  for (size_t at = 0; at + 1 < bytes.size(); at += 2) text += UnitAt(bytes, at, encoding);
  return text;
}

// Windows' reader counts CTRL-Z as white space too.
bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' ||
         c == u'\x1A';
}

TextView Trimmed(TextView text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A header is "[" name "]" (to the last "]" of the line); a line that opens a bracket
// without closing it is read as a key, as Windows does.
void Classify(TextView content, ProfileLine& line) {
  TextView text = Trimmed(content);
  if (text.empty()) return;
  if (text.front() == u'[') {
    size_t close = text.rfind(u']');
    if (close != TextView::npos && close > 0) {
      line.kind = ProfileLine::Kind::kSection;
      line.name = Text(text.substr(1, close - 1));
      return;
    }
  }
  line.kind = ProfileLine::Kind::kKey;
  line.name = Text(Trimmed(text.substr(0, text.find(u'='))));
}

bool SameName(TextView a, TextView b) { return TextUpper(Visible(a)) == TextUpper(Visible(b)); }

}  // namespace

ProfileFile::ProfileFile(std::string bytes) : bytes_(std::move(bytes)) {
  const Layout layout = DetectLayout(bytes_);
  const size_t unit = UnitSize(layout.encoding);
  size_t begin = layout.markLength;
  while (begin < bytes_.size()) {
    size_t end = begin;
    bool lineEnd = false;
    while (!lineEnd && end + unit <= bytes_.size()) {
      lineEnd = UnitAt(bytes_, end, layout.encoding) == u'\n';
      end += unit;
    }
    if (!lineEnd) end = bytes_.size();
    ProfileLine line;
    line.begin = begin;
    line.end = end;
    Classify(Decode(std::string_view(bytes_).substr(begin, end - begin), layout.encoding), line);
    lines_.push_back(std::move(line));
    begin = end;
  }
}

std::optional<LineRange> ProfileFile::SectionFrom(size_t start, TextView section) const {
  // Keys before the first header belong to no section that a name can reach.
  if (Visible(section).empty()) return std::nullopt;
  for (size_t i = start; i < lines_.size(); ++i) {
    if (lines_[i].kind != ProfileLine::Kind::kSection || !SameName(lines_[i].name, section)) {
      continue;
    }
    size_t next = i + 1;
    while (next < lines_.size() && lines_[next].kind != ProfileLine::Kind::kSection) ++next;
    return LineRange{i, next};
  }
  return std::nullopt;
}

std::optional<LineRange> ProfileFile::FindSection(TextView section) const {
  return SectionFrom(0, section);
}

std::optional<LineRange> ProfileFile::FindKey(TextView section, TextView key) const {
  for (auto range = SectionFrom(0, section); range; range = SectionFrom(range->last, section)) {
    for (size_t i = range->first + 1; i < range->last; ++i) {
      if (lines_[i].kind == ProfileLine::Kind::kKey && SameName(lines_[i].name, key)) {
        return LineRange{i, i + 1};
      }
    }
  }
  return std::nullopt;
}

std::string ProfileFile::Without(LineRange range) const {
  if (range.first >= range.last || range.last > lines_.size()) return bytes_;
  std::string kept = bytes_.substr(0, lines_[range.first].begin);
  kept.append(bytes_, lines_[range.last - 1].end, std::string::npos);
  return kept;
}

}  // namespace rt::platform

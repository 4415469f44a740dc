// Text on top of the file buffer: byte-order marks, line reading and text writing.
#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "runtime/file_buffer.h"
#include "runtime/files.h"

namespace rt {

namespace {

bool EndsLine(unsigned char byte) { return byte == '\r' || byte == '\n' || byte == 0; }

// The bytes of one line of a byte format; the line end is consumed, CR LF as one.
std::string ReadByteLine(OpenFile& file) {
  detail::FileWindow& window = file.window();
  std::string bytes;
  while (file.FillForReading()) {
    const unsigned char* begin = window.data + window.pos;
    const unsigned char* end = window.data + window.readEnd;
    const unsigned char* stop = std::find_if(begin, end, EndsLine);
    bytes.append(begin, stop);
    window.pos = static_cast<int32_t>(stop - window.data);
    if (stop == end) continue;
    ++window.pos;
    if (*stop == '\r' && file.FillForReading() && window.data[window.pos] == '\n') ++window.pos;
    break;
  }
  return bytes;
}

// The next UTF-16LE code unit; a lone last byte stands for itself. -1 at the end.
int32_t ReadUnit(OpenFile& file) {
  detail::FileWindow& window = file.window();
  if (!file.FillForReading()) return -1;
  int32_t unit = window.data[window.pos++];
  if (file.FillForReading()) unit |= window.data[window.pos++] << 8;
  return unit;
}

Text ReadUnitLine(OpenFile& file) {
  Text line;
  for (int32_t unit = ReadUnit(file); unit > 0; unit = ReadUnit(file)) {
    if (unit == '\n') break;
    if (unit == '\r') {
      // One LF after the CR belongs to the line end; anything else stays unread.
      const int64_t mark = file.Position();
      if (ReadUnit(file) != '\n') file.SetPosition(mark);
      break;
    }
    line.push_back(static_cast<char16_t>(unit));
  }
  return line;
}

int32_t WriteBytes(int32_t number, const std::string& bytes) {
  return FileWriteBlock(
      number, bytes.data(),
      static_cast<int32_t>(std::min<size_t>(bytes.size(), std::numeric_limits<int32_t>::max())));
}

}  // namespace

int32_t FileTextFormat(int32_t number) {
  struct Mark {
    std::string_view bytes;
    int32_t format;
  };
  static constexpr Mark kMarks[] = {{"\xFF\xFE", FormatUtf16},
                                    {"\xEF\xBB\xBF", FormatUtf8},
                                    {"\xFE\xFF", FormatUtf16BE},
                                    {std::string_view("\0\0\xFE\xFF", 4), FormatUtf32BE}};
  OpenFile* file = FindFile(number);
  if (file == nullptr) return 0;
  const int64_t start = file->Position();
  char head[4] = {};
  const std::string_view read(head, static_cast<size_t>(file->ReadBlock(head, sizeof head)));
  for (const Mark& mark : kMarks) {
    if (read.starts_with(mark.bytes)) {
      file->SetPosition(start + static_cast<int64_t>(mark.bytes.size()));
      return mark.format;
    }
  }
  file->SetPosition(start);
  return FormatAnsi;
}

Text FileReadLine(int32_t number, int32_t format) {
  OpenFile* file = FindFile(number);
  if (file == nullptr) return u"";
  if (format == FormatUtf16) return ReadUnitLine(*file);
  const std::string bytes = ReadByteLine(*file);
  return format == FormatUtf8 ? FromUtf8(bytes) : FromAnsi(bytes);
}

int32_t FileWriteLine(int32_t number, TextView text) {
  return WriteBytes(number, ToUtf8(Visible(text)) + "\r\n");
}

int32_t FileWriteText(int32_t number, TextView text, int32_t format) {
  text = Visible(text);
  if (text.empty()) return 0;
  if (format == FormatUtf8) return WriteBytes(number, ToUtf8(text));
  if (format != FormatUtf16) return WriteBytes(number, ToAnsi(text));
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return WriteBytes(number, bytes);
}

}  // namespace rt

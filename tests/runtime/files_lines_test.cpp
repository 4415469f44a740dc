// Line reading, byte-order marks and text writing of numbered files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/files.h"
#include "support/platform_expectations.h"
#include "support/temp_dir.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

rt::Text Name(const std::string& path) { return rt::FromUtf8(path); }

// The text as UTF-16LE bytes.
std::string Utf16(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

class FileLines : public ::testing::Test {
 protected:
  void TearDown() override { rt::FileCloseAll(); }

  // Every line of a file with that content, read in that format until FileAtEnd.
  std::vector<rt::Text> Lines(const std::string& bytes, int32_t format) {
    const std::string path = dir / "lines.txt";
    WriteFileBytes(path, bytes);
    const int32_t file = rt::FileOpenRead(rt::AnyNumber, Name(path));
    std::vector<rt::Text> lines;
    while (!rt::FileAtEnd(file) && lines.size() < 100)
      lines.push_back(rt::FileReadLine(file, format));
    rt::FileClose(file);
    return lines;
  }

  TempDir dir;
};

TEST_F(FileLines, LinesEndAtCrLfCrLfAZeroUnitOrTheEndInEveryFormat) {
  struct Case {
    std::u16string content;
    std::vector<rt::Text> lines;
  };
  const std::vector<Case> cases = {
      {u"a\rb\nc", {u"a", u"b", u"c"}},
      {u"a\r\nb\r\n", {u"a", u"b"}},
      {u"a\r\rb", {u"a", u"", u"b"}},
      {u"a\n\r\nb", {u"a", u"", u"b"}},
      {u"a\n\rb", {u"a", u"", u"b"}},
      {std::u16string(u"a\0b\r\nc", 6), {u"a", u"b", u"c"}},
      {u"\r\n", {u""}},
      {u"one line", {u"one line"}},
  };
  for (const Case& c : cases) {
    std::string ascii;
    for (char16_t unit : c.content) ascii.push_back(static_cast<char>(unit));
    EXPECT_EQ(Lines(ascii, rt::FormatAnsi), c.lines) << "ANSI";
    EXPECT_EQ(Lines(ascii, rt::FormatUtf8), c.lines) << "UTF-8";
    EXPECT_EQ(Lines(Utf16(c.content), rt::FormatUtf16), c.lines) << "UTF-16";
  }
}

TEST_F(FileLines, LineEndsSplitByTheBufferBoundaryStillCountOnce) {
  for (size_t first : {4094u, 4095u, 4096u, 4097u, 10000u}) {
    const std::string longLine(first, 'x');
    EXPECT_EQ(Lines(longLine + "\r\nnext\r\n", rt::FormatAnsi),
              (std::vector<rt::Text>{rt::FromUtf8(longLine), u"next"}))
        << first;
    EXPECT_EQ(Lines(Utf16(rt::FromUtf8(longLine) + u"\r\nnext\rlast"), rt::FormatUtf16),
              (std::vector<rt::Text>{rt::FromUtf8(longLine), u"next", u"last"}))
        << first;
  }
}

TEST_F(FileLines, BytesAreDecodedByTheirFormat) {
  const std::string utf8 =
      "Gr\xC3\xBC\xC3\x9F"
      "e";
  const std::string windows1252 =
      "Gr\xFC\xDF"
      "e \x80";
  EXPECT_EQ(Lines(utf8, rt::FormatUtf8), std::vector<rt::Text>{u"Grüße"});
  EXPECT_EQ(Lines(utf8, rt::FormatAnsi),
            std::vector<rt::Text>{testsupport::kAnsiIsCodePage ? u"Gr\u00C3\u00BC\u00C3\u0178e"
                                                               : u"Grüße"});
  EXPECT_EQ(Lines(windows1252, rt::FormatAnsi), std::vector<rt::Text>{u"Grüße €"});
  EXPECT_EQ(Lines(Utf16(u"Grüße €"), rt::FormatUtf16), std::vector<rt::Text>{u"Grüße €"});
}

TEST_F(FileLines, ByteOrderMarksAreDetectedAndSkipped) {
  struct Case {
    std::string bytes;
    int32_t format;
    rt::Text firstLine;  // read as ANSI behind the mark
  };
  const std::vector<Case> cases = {
      {"\xEF\xBB\xBFline", rt::FormatUtf8, u"line"},
      {"\xFF\xFEl", rt::FormatUtf16, u"l"},
      {"\xFE\xFFline", rt::FormatUtf16BE, u"line"},
      {std::string("\0\0\xFE\xFFline", 8), rt::FormatUtf32BE, u"line"},
      {"line", rt::FormatAnsi, u"line"},
      {"\xEF\xBBline", rt::FormatAnsi, u"\u00EF\u00BBline"},
      {"", rt::FormatAnsi, u""},
  };
  for (const Case& c : cases) {
    const std::string path = dir / "bom.txt";
    WriteFileBytes(path, c.bytes);
    const int32_t file = rt::FileOpenRead(rt::AnyNumber, Name(path));
    EXPECT_EQ(rt::FileTextFormat(file), c.format) << c.bytes;
    EXPECT_EQ(rt::FileReadLine(file, rt::FormatAnsi), c.firstLine) << c.bytes;
    rt::FileClose(file);
  }
}

TEST_F(FileLines, WrittenLinesAreUtf8WithCrLf) {
  const std::string path = dir / "out.txt";
  const int32_t file = rt::FileCreate(rt::AnyNumber, Name(path));
  EXPECT_EQ(rt::FileWriteLine(file, u"Grüße"), 9);
  EXPECT_EQ(rt::FileWriteLine(file, u""), 2);
  EXPECT_EQ(rt::FileWriteLine(file, std::u16string(u"cut\0off", 7)), 5);
  rt::FileClose(file);
  EXPECT_EQ(ReadFileBytes(path),
            "Gr\xC3\xBC\xC3\x9F"
            "e\r\n\r\ncut\r\n");
}

TEST_F(FileLines, TextIsWrittenInTheFormatAsked) {
  struct Case {
    int32_t format;
    std::string bytes;
  };
  for (const Case& c :
       {Case{rt::FormatUtf8, "\xC3\xA4\xE2\x82\xAC"},
        Case{rt::FormatAnsi, testsupport::kAnsiIsCodePage ? "\xE4\x80" : "\xC3\xA4\xE2\x82\xAC"},
        Case{rt::FormatUtf16, std::string("\xE4\0\xAC\x20", 4)}}) {
    const std::string path = dir / "text.txt";
    const int32_t file = rt::FileCreate(rt::AnyNumber, Name(path));
    EXPECT_EQ(rt::FileWriteText(file, u"ä€", c.format), static_cast<int32_t>(c.bytes.size()));
    EXPECT_EQ(rt::FileWriteText(file, u"", c.format), 0);
    rt::FileClose(file);
    EXPECT_EQ(ReadFileBytes(path), c.bytes) << c.format;
  }
}

TEST_F(FileLines, WrittenLinesReadBack) {
  const std::string path = dir / "round.txt";
  const int32_t out = rt::FileCreate(rt::AnyNumber, Name(path));
  std::vector<rt::Text> lines;
  for (int i = 0; i < 2000; ++i)
    lines.push_back(u"Zeile " + rt::Text(static_cast<size_t>(i % 37), u'ä'));
  for (const rt::Text& line : lines) rt::FileWriteLine(out, line);
  rt::FileSeek(out, 0);
  std::vector<rt::Text> back;
  while (!rt::FileAtEnd(out)) back.push_back(rt::FileReadLine(out, rt::FormatUtf8));
  EXPECT_EQ(back, lines);
}

}  // namespace

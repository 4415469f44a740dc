#include "stdproc/file/file_helpers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/files.h"
#include "runtime/number.h"
#include "runtime/text.h"
#include "stdproc/text/token_split.h"
#include "support/open_files.h"
#include "support/platform_expectations.h"
#include "support/temp_dir.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

rt::Text Name(const std::string& path) { return rt::FromUtf8(path); }

std::string Utf8(const rt::Text& text) { return rt::ToUtf8(text); }

std::string Utf16Le(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// Everything a file number gives until its end.
std::string ReadRest(int32_t file) {
  std::string bytes;
  while (!rt::FileAtEnd(file)) bytes += static_cast<char>(rt::FileReadByte(file));
  return bytes;
}

TEST(OpenHelpers, ReadFileOpensOnlyExistingFiles) {
  TempDir dir;
  WriteFileBytes(dir / "da.txt", "Inhalt");
  int32_t file = stdproc::yReadFile(Name(dir / "da.txt"));
  ASSERT_NE(file, 0);
  EXPECT_EQ(ReadRest(file), "Inhalt");
  rt::FileClose(file);

  EXPECT_EQ(stdproc::yReadFile(Name(dir / "fehlt.txt")), 0);
  EXPECT_FALSE(std::filesystem::exists(dir / "fehlt.txt"));
}

TEST(OpenHelpers, OpenFileKeepsContentAndWritesFromTheStart) {
  TempDir dir;
  WriteFileBytes(dir / "da.txt", "abcdef");
  int32_t file = stdproc::yOpenFile(Name(dir / "da.txt"));
  ASSERT_NE(file, 0);
  rt::FileWriteByte(file, 'X');
  rt::FileWriteByte(file, 'Y');
  rt::FileClose(file);
  EXPECT_EQ(ReadFileBytes(dir / "da.txt"), "XYcdef");
}

TEST(OpenHelpers, OpenFileAndCreateFileCreateMissingFiles) {
  TempDir dir;
  for (auto open : {&stdproc::yOpenFile, &stdproc::yCreateFile}) {
    std::filesystem::remove(dir / "neu.txt");
    int32_t file = open(Name(dir / "neu.txt"));
    ASSERT_NE(file, 0);
    rt::FileWriteText(file, u"neu");
    rt::FileClose(file);
    EXPECT_EQ(ReadFileBytes(dir / "neu.txt"), "neu");
  }
}

TEST(OpenHelpers, CreateFileEmptiesAnExistingFile) {
  TempDir dir;
  WriteFileBytes(dir / "da.txt", "alter Inhalt");
  int32_t file = stdproc::yCreateFile(Name(dir / "da.txt"));
  ASSERT_NE(file, 0);
  EXPECT_EQ(rt::FileLength(file), 0);
  rt::FileClose(file);
  EXPECT_EQ(ReadFileBytes(dir / "da.txt"), "");
}

TEST(OpenHelpers, FailuresGiveZero) {
  TempDir dir;
  const rt::Text inMissingDir = Name(dir / "fehlt/datei.txt");
  EXPECT_EQ(stdproc::yReadFile(inMissingDir), 0);
  EXPECT_EQ(stdproc::yOpenFile(inMissingDir), 0);
  EXPECT_EQ(stdproc::yCreateFile(inMissingDir), 0);
  EXPECT_EQ(stdproc::yReadFile(u""), 0);
}

TEST(OpenHelpers, EachOpenGetsItsOwnNumber) {
  TempDir dir;
  WriteFileBytes(dir / "a.txt", "a");
  WriteFileBytes(dir / "b.txt", "b");
  int32_t a = stdproc::yReadFile(Name(dir / "a.txt"));
  int32_t b = stdproc::yReadFile(Name(dir / "b.txt"));
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  EXPECT_NE(a, b);
  EXPECT_EQ(ReadRest(b), "b");
  EXPECT_EQ(ReadRest(a), "a");
  rt::FileClose(a);
  rt::FileClose(b);
}

TEST(ReadTextFile, JoinsLinesWithOrWithoutLineEnds) {
  TempDir dir;
  struct Case {
    std::string bytes;
    std::u16string mode, want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"A\r\nB\r\n", u"", u"AB"},
           {"A\r\nB\r\n", u"#WNL", u"A\r\nB\r\n"},
           {"A\r\nB", u"#WNL", u"A\r\nB\r\n"},
           {"A\nB\rC", u"#WNL", u"A\r\nB\r\nC\r\n"},
           {"A\r\n\r\nB\r\n", u"#WNL", u"A\r\n\r\nB\r\n"},
           {"A\r\nB\r\n", u"x#WNLy", u"A\r\nB\r\n"},
           {"A\r\nB\r\n", u"#wnl", u"AB"},
           {"", u"#WNL", u""},
       }) {
    WriteFileBytes(dir / "t.txt", c.bytes);
    EXPECT_EQ(stdproc::yReadTextFile(Name(dir / "t.txt"), c.mode), c.want)
        << c.bytes << " / " << Utf8(c.mode);
  }
}

TEST(ReadTextFile, DecodesByTheByteOrderMark) {
  TempDir dir;
  struct Case {
    const char* what;
    std::string bytes;
    bool readAsAnsi = false;  // no mark: the system's ANSI code page decides
  };
  const std::u16string want = u"Gr\u00fc\u00dfe\r\n\u00c4pfel \u00d6l \u00dcbel\r\n";
  // The UTF-8 bytes without a mark, each read as its own character of code page 1252.
  const std::u16string utf8AsCodePage =
      u"Gr\u00C3\u00BC\u00C3\u0178e\r\n\u00C3\u201Epfel \u00C3\u2013l \u00C3\u0153bel\r\n";
  for (const Case& c : std::initializer_list<Case>{
           {"UTF-8 with mark",
            "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
            "e\r\n\xC3\x84pfel \xC3\x96l \xC3\x9C"
            "bel\r\n"},
           {"UTF-8 without mark",
            "Gr\xC3\xBC\xC3\x9F"
            "e\r\n\xC3\x84pfel \xC3\x96l \xC3\x9C"
            "bel\r\n",
            true},
           {"Windows-1252",
            "Gr\xFC\xDF"
            "e\r\n\xC4pfel \xD6l \xDC"
            "bel\r\n"},
           {"UTF-16LE with mark", "\xFF\xFE" + Utf16Le(want)},
       }) {
    WriteFileBytes(dir / "t.txt", c.bytes);
    EXPECT_EQ(stdproc::yReadTextFile(Name(dir / "t.txt"), u"#WNL"),
              c.readAsAnsi && testsupport::kAnsiIsCodePage ? utf8AsCodePage : want)
        << c.what;
  }
}

TEST(ReadTextFile, MissingFileGivesEmptyText) {
  TempDir dir;
  EXPECT_EQ(stdproc::yReadTextFile(Name(dir / "fehlt.txt"), u"#WNL"), u"");
}

TEST(ReadTextFile, LeavesNoFileOpen) {
  TempDir dir;
  WriteFileBytes(dir / "t.txt", "A\r\n");
  const size_t before = testsupport::OpenDescriptorCount();
  EXPECT_EQ(stdproc::yReadTextFile(Name(dir / "t.txt"), u""), u"A");
  EXPECT_EQ(testsupport::OpenDescriptorCount(), before);
}

TEST(TokenCount, CountsPartsClosedByAFinalSeparator) {
  struct Case {
    std::u16string text, separator;
    int32_t want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"", u"\r\n", 1},
           {u"a\r\nb", u"\r\n", 2},
           {u"a\r\nb\r\n", u"\r\n", 2},
           {u"a\r\nb\r\n  ", u"\r\n", 2},
           {u"a\r\n\r\nb\r\n", u"\r\n", 3},
           {u"a\r\nb\r\n\r\n", u"\r\n", 3},
           {u"a/b//c", u"/", 4},
           {u"a/b/", u"/", 2},
           {u"a", u"", 0},
       }) {
    EXPECT_EQ(stdproc::yTokenCount(c.text, c.separator), c.want) << Utf8(c.text);
  }
}

TEST(TokenCount, TextEndsAtFirstZeroUnit) {
  std::u16string text = u"a\r\nb";
  text += u'\0';
  text += u"\r\nc\r\nd";
  EXPECT_EQ(stdproc::yTokenCount(text, u"\r\n"), 2);
}

// Starts the text and advances until "" (or a bound, so a walk that never ends fails).
std::vector<std::u16string> Walk(const rt::Text& text) {
  std::vector<std::u16string> lines{stdproc::yReadLine(text, 0)};
  while (lines.size() < 100 && !lines.back().empty()) lines.push_back(stdproc::yReadLine(text, -1));
  return lines;
}

TEST(ReadLine, WalksLinesUntilEmptyResult) {
  using Lines = std::vector<std::u16string>;
  struct Case {
    std::u16string text;
    Lines want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"A\r\n\r\nB\r\n", Lines{u" ", u"A", u" ", u"B", u""}},
           {u"A\r\nB", Lines{u" ", u"A", u"B", u""}},
           {u"A\r\nB\r\n", Lines{u" ", u"A", u"B", u""}},
           {u"A\r\n\r\n", Lines{u" ", u"A", u""}},
           {u"\r\nA", Lines{u" ", u" ", u"A", u""}},
           {u"eine Zeile", Lines{u" ", u"eine Zeile", u""}},
           {u"", Lines{u" ", u""}},
           {u"A\nB\r\nC", Lines{u" ", u"A\nB", u"C", u""}},
       }) {
    EXPECT_EQ(Walk(c.text), c.want) << Utf8(c.text);
  }
}

TEST(ReadLine, OtherModesRepeatTheCurrentLine) {
  const rt::Text text = u"eins\r\nzwei\r\ndrei";
  EXPECT_EQ(stdproc::yReadLine(text, 0), u" ");
  EXPECT_EQ(stdproc::yReadLine(text, 5), u" ");
  EXPECT_EQ(stdproc::yReadLine(text, -1), u"eins");
  EXPECT_EQ(stdproc::yReadLine(text, -1), u"zwei");
  EXPECT_EQ(stdproc::yReadLine(text, 5), u"zwei");
  EXPECT_EQ(stdproc::yReadLine(text, -2), u"zwei");
  EXPECT_EQ(stdproc::yReadLine(text, -1), u"drei");
}

TEST(ReadLine, StaysEmptyAfterTheLastLine) {
  const rt::Text text = u"A\r\nB";
  Walk(text);
  EXPECT_EQ(stdproc::yReadLine(text, -1), u"");
  EXPECT_EQ(stdproc::yReadLine(text, 1), u"");
}

TEST(ReadLine, StartingAnotherTextReplacesTheWalk) {
  const rt::Text first = u"a1\r\na2\r\na3";
  const rt::Text second = u"b1\r\nb2";
  stdproc::yReadLine(first, 0);
  EXPECT_EQ(stdproc::yReadLine(first, -1), u"a1");
  EXPECT_EQ(stdproc::yReadLine(second, 0), u" ");
  EXPECT_EQ(stdproc::yReadLine(second, -1), u"b1");
  EXPECT_EQ(stdproc::yReadLine(second, -1), u"b2");
  EXPECT_EQ(stdproc::yReadLine(second, -1), u"");
}

TEST(ReadLine, AnEqualCopyWalksLikeTheStartedText) {
  const rt::Text text = u"x\r\ny\r\nz";
  stdproc::yReadLine(text, 0);
  EXPECT_EQ(stdproc::yReadLine(rt::Text(text), -1), u"x");
  EXPECT_EQ(stdproc::yReadLine(rt::Text(text), -1), u"y");
}

TEST(ReadLine, TheSameStringChangedInPlaceGivesItsNewLines) {
  rt::Text buffer = u"alpha\r\nbeta";
  stdproc::yReadLine(buffer, 0);
  EXPECT_EQ(stdproc::yReadLine(buffer, -1), u"alpha");
  buffer.replace(0, buffer.size(), u"gamma\r\ndelt");  // same length, same storage
  EXPECT_EQ(stdproc::yReadLine(buffer, 5), u"gamma");
  EXPECT_EQ(stdproc::yReadLine(buffer, -1), u"delt");
}

TEST(ReadLine, AnotherTextWithoutStartGivesItsOwnLine) {
  const rt::Text text = u"x\r\ny\r\nz";
  stdproc::yReadLine(text, 0);
  stdproc::yReadLine(text, -1);
  // Same length, different content: the line comes from the text passed.
  EXPECT_EQ(stdproc::yReadLine(u"X\r\nY\r\nZ", -1), u"Y");
  EXPECT_EQ(stdproc::yReadLine(text, -1), u"z");
}

TEST(ReadLine, LinesAgreeWithTokenField) {
  std::u16string withZero = u"a\r\nb";
  withZero += u'\0';
  withZero += u"\r\nc";
  for (const rt::Text& text : {rt::Text(u"a\r"), rt::Text(u"\r\r\n\n"), rt::Text(u"\r\n\r\n"),
                               rt::Text(u"x\n\ry\r\n z \r\n  "), withZero}) {
    const int32_t count =
        static_cast<int32_t>(rt::TextToInt(stdproc::yTokenField(u"", text, u"\r\n", 0)));
    const int32_t lineCount = stdproc::yTokenCount(text, u"\r\n");
    stdproc::yReadLine(text, 0);
    for (int32_t n = 1; n <= count + 1; ++n) {
      std::u16string want = n > count ? u"" : stdproc::yTokenField(u"", text, u"\r\n", n);
      if (n < lineCount && want.empty()) want.push_back(u' ');  // the blank for empty lines
      EXPECT_EQ(stdproc::yReadLine(text, -1), want) << Utf8(text) << " line " << n;
    }
  }
}

TEST(ReadLine, LongTextWalksEveryLine) {
  rt::Text text;
  const int kLines = 5000;
  for (int i = 1; i <= kLines; ++i) text += rt::FromUtf8(std::to_string(i)) + u"\r\n";
  ASSERT_EQ(stdproc::yReadLine(text, 0), u" ");
  for (int i = 1; i <= kLines; ++i) {
    ASSERT_EQ(stdproc::yReadLine(text, -1), rt::FromUtf8(std::to_string(i))) << i;
  }
  EXPECT_EQ(stdproc::yReadLine(text, -1), u"");
}

}  // namespace

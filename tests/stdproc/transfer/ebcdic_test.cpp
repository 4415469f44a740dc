#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "stdproc/transfer/ebcdic_table.h"
#include "stdproc/transfer/transfer.h"
#include "support/temp_dir.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

class Ebcdic : public ::testing::Test {
 protected:
  rt::Text Name(const std::string& file) const { return rt::FromUtf8(dir_ / file); }
  // Converts `input` and returns the output file's bytes.
  std::string Convert(const char16_t* mode, const std::string& input, int32_t recordLength) {
    WriteFileBytes(dir_ / "ein", input);
    stdproc::KonvertEBCDICnachASCII(mode, Name("ein"), Name("aus"), recordLength);
    return ReadFileBytes(dir_ / "aus");
  }

  TempDir dir_;
};

TEST_F(Ebcdic, RecordsBecomeLinesTheLastOneShorter) {
  EXPECT_EQ(Convert(u"",
                    "\xC1\xC2\xC3\xC4"
                    "\xF1\xF2\xF3\xF4"
                    "\x81\x82\x83",
                    4),
            "ABCD\r\n1234\r\nabc\r\n");
}

TEST_F(Ebcdic, ConvertsThroughTheTableAndBlanksTheRest) {
  EXPECT_EQ(Convert(u"", "\xC1\x5A\x4F\x5A", 4), "A\xDC|\xDC\r\n");
  EXPECT_EQ(Convert(u"", std::string("\x21\x00", 2), 2), "  \r\n");
  EXPECT_EQ(Convert(u"irgendwas", "\xC0\xD0\xE0\xA1\x6A\x4A", 6), "\xE4\xFC\xD6\xDF\xF6\xC4\r\n");
}

TEST_F(Ebcdic, LinesBecomeRecordsCutOrFilledWithEbcdicBlanks) {
  EXPECT_EQ(Convert(u"*", "ab\r\nabcdefg\r\n", 5), "\x81\x82\x40\x40\x40\x81\x82\x83\x84\x85");
  // Characters without a partner become 0x20, which is not the EBCDIC blank.
  EXPECT_EQ(Convert(u"*", "!{", 3), "\x20\x20\x40");
  // Line ends of every kind; an empty line is a record of blanks.
  EXPECT_EQ(Convert(u"*", "a\nb\rc\r\n\r\n", 1), "\x81\x82\x83\x40");
}

TEST_F(Ebcdic, LinesAreReadAsTheirByteOrderMarkSays) {
  struct Case {
    const char* what;
    std::string input;
    std::string want;
  };
  const Case cases[] = {
      // Without a mark the ANSI rule reads UTF-8, and Windows-1252 where it is not.
      {"utf-8 without mark",
       "Gr\xC3\xBC\xC3\x9F"
       "e",
       "\xC7\x99\xD0\xA1\x85"},
      {"windows-1252",
       "Gr\xFC\xDF"
       "e",
       "\xC7\x99\xD0\xA1\x85"},
      {"utf-8 mark", "\xEF\xBB\xBF\xC3\xA4\xE2\x82\xAC\xCE\xA9x", "\xC0\x20\x20\xA7\x40"},
      {"utf-16 mark", std::string("\xFF\xFE\xE4\x00\xA9\x03\x3D\xD8\x00\xDE", 10),
       "\xC0\x20\x20\x40\x40"},
  };
  for (const Case& c : cases) EXPECT_EQ(Convert(u"*", c.input, 5), c.want) << c.what;
}

TEST_F(Ebcdic, EmptyInputGivesEmptyOutput) {
  EXPECT_EQ(Convert(u"", "", 80), "");
  EXPECT_EQ(Convert(u"*", "", 80), "");
}

TEST_F(Ebcdic, ResultTellsWhetherAnEarlierOutputWasDeleted) {
  WriteFileBytes(dir_ / "ein", "\xC1");
  EXPECT_EQ(stdproc::KonvertEBCDICnachASCII(u"", Name("ein"), Name("aus"), 1), 0);
  EXPECT_NE(stdproc::KonvertEBCDICnachASCII(u"", Name("ein"), Name("aus"), 1), 0);
  EXPECT_EQ(ReadFileBytes(dir_ / "aus"), "A\r\n");
}

TEST_F(Ebcdic, NoRecordLengthLeavesAnEmptyOutput) {
  WriteFileBytes(dir_ / "aus", "alt");
  for (int32_t length : {0, -5}) {
    for (const char16_t* mode : {u"", u"*"}) {
      WriteFileBytes(dir_ / "aus", "alt");
      WriteFileBytes(dir_ / "ein", "\xC1\xC2\r\n");
      EXPECT_NE(stdproc::KonvertEBCDICnachASCII(mode, Name("ein"), Name("aus"), length), 0);
      EXPECT_TRUE(std::filesystem::exists(dir_ / "aus"));
      EXPECT_EQ(ReadFileBytes(dir_ / "aus"), "") << length;
    }
  }
}

TEST_F(Ebcdic, MissingInputTouchesNothing) {
  WriteFileBytes(dir_ / "aus", "bleibt");
  EXPECT_EQ(stdproc::KonvertEBCDICnachASCII(u"", Name("fehlt"), Name("aus"), 10), 0);
  EXPECT_EQ(ReadFileBytes(dir_ / "aus"), "bleibt");
}

TEST_F(Ebcdic, LargeInputConvertsEveryRecord) {
  // More than one read block of records, and a record length that does not divide it.
  std::string input, want;
  for (int i = 0; i < 300000; ++i) {
    input += "\xC1\xF0\x40\x81\x4F\x5A\x7F";
    want += "A0 a|\xDC\"\r\n";
  }
  EXPECT_EQ(Convert(u"", input, 7), want);
}

// glibc's IBM273 is the host code page of the table; the two agree on every pair but
// 0x4F, which the table pairs with the vertical bar.
TEST(EbcdicTable, AgreesWithTheHostCodePageButForTheBar) {
  using stdproc::transfer::EbcdicByteMap;
  using stdproc::transfer::EbcdicDirection;
  const auto toPc = EbcdicByteMap(EbcdicDirection::kToPc);
  const auto toEbcdic = EbcdicByteMap(EbcdicDirection::kToEbcdic);
  iconv_t hostToLatin1 = iconv_open("ISO-8859-1", "IBM273");
  ASSERT_NE(hostToLatin1, reinterpret_cast<iconv_t>(-1)) << "glibc has no IBM273 converter";
  int agreeing = 0, paired = 0;
  for (int code = 0; code < 256; ++code) {
    if (toPc[code] == 0x20 && code != 0x40) {
      continue;  // no entry
    }
    ++paired;
    EXPECT_EQ(toEbcdic[toPc[code]], code) << "pair of " << code << " is not two-way";
    char in = static_cast<char>(code), out = 0;
    char* inPtr = &in;
    char* outPtr = &out;
    size_t inLeft = 1, outLeft = 1;
    ASSERT_NE(iconv(hostToLatin1, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<size_t>(-1));
    if (static_cast<unsigned char>(out) == toPc[code]) {
      ++agreeing;
    } else {
      EXPECT_EQ(code, 0x4F);
      EXPECT_EQ(toPc[code], '|');
      EXPECT_EQ(out, '!');
    }
  }
  iconv_close(hostToLatin1);
  EXPECT_EQ(paired, 97);
  EXPECT_EQ(agreeing, 96);
}

}  // namespace

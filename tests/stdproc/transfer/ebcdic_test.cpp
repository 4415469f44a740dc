#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "stdproc/transfer/ebcdic_table.h"
#include "stdproc/transfer/transfer.h"
#include "support/platform_expectations.h"
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
      // Without a mark the ANSI rule reads UTF-8, and Windows-1252 where it is not; a
      // code page reads the two bytes of each umlaut as two characters without partner.
      {"utf-8 without mark",
       "Gr\xC3\xBC\xC3\x9F"
       "e",
       testsupport::kAnsiIsCodePage ? "\xC7\x99\x20\x20\x20" : "\xC7\x99\xD0\xA1\x85"},
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

// The host code page IBM273 to Latin-1, byte by byte, as glibc's iconv converts it.
constexpr std::string_view kIbm273ToLatin1 =
    "000102039C09867F978D8E0B0C0D0E0F101112139D8508871819928F1C1D1E1F"
    "80818283840A171B88898A8B8C050607909116939495960498999A9B14159E1A"
    "20A0E27BE0E1E3E5E7F1C42E3C282B2126E9EAEBE8EDEEEFEC7EDC242A293B5E"
    "2D2FC25BC0C1C3C5C7D1F62C255F3E3FF8C9CACBC8CDCECFCC603A23A7273D22"
    "D8616263646566676869ABBBF0FDFEB1B06A6B6C6D6E6F707172AABAE6B8C6A4"
    "B5DF737475767778797AA1BFD0DDDEAEA2A3A5B7A940B6BCBDBEAC7CAFA8B4D7"
    "E4414243444546474849ADF4A6F2F3F5FC4A4B4C4D4E4F505152B9FB7DF9FAFF"
    "D6F7535455565758595AB2D45CD2D3D530313233343536373839B3DB5DD9DA9F";

int HostToLatin1(int code) {
  return std::stoi(std::string(kIbm273ToLatin1.substr(2 * static_cast<size_t>(code), 2)), nullptr,
                   16);
}

// The table and the host code page agree on every pair but 0x4F, which the table pairs
// with the vertical bar.
TEST(EbcdicTable, AgreesWithTheHostCodePageButForTheBar) {
  using stdproc::transfer::EbcdicByteMap;
  using stdproc::transfer::EbcdicDirection;
  const auto toPc = EbcdicByteMap(EbcdicDirection::kToPc);
  const auto toEbcdic = EbcdicByteMap(EbcdicDirection::kToEbcdic);
  int agreeing = 0, paired = 0;
  for (int code = 0; code < 256; ++code) {
    if (toPc[code] == 0x20 && code != 0x40) {
      continue;  // no entry
    }
    ++paired;
    EXPECT_EQ(toEbcdic[toPc[code]], code) << "pair of " << code << " is not two-way";
    if (toPc[code] == HostToLatin1(code)) {
      ++agreeing;
    } else {
      EXPECT_EQ(code, 0x4F);
      EXPECT_EQ(toPc[code], '|');
      EXPECT_EQ(HostToLatin1(code), '!');
    }
  }
  EXPECT_EQ(paired, 97);
  EXPECT_EQ(agreeing, 96);
}

}  // namespace

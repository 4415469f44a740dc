#include "docgen/doku_include_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "docgen/zdoku_source.h"
#include "doku_test_support.h"
#include "support/process.h"
#include "support/temp_dir.h"

namespace {

using doku_test::Include;
using stdproc::doku::DokuReadError;
using stdproc::doku::DokuTexts;
using stdproc::doku::ReadDokuInclude;

TEST(IncludeReader, CommittedIncludeGivesTheProgramsZDokuAnswers) {
  DokuTexts texts;
  DokuReadError error;
  ASSERT_TRUE(ReadDokuInclude(doku_test::CommittedInclude(), texts, error)) << error.message;
  EXPECT_EQ(texts.version, U"  V 1.00");
  EXPECT_EQ(texts.history, U"V 1.00 10.03.2015 (*RV) Programm erstellt\r\n");
  EXPECT_EQ(texts.description, U"");
}

TEST(IncludeReader, EveryEntryEndsInCrLf) {
  DokuTexts texts;
  DokuReadError error;
  ASSERT_TRUE(
      ReadDokuInclude(Include("1.01", {"a", "Pfad 'Bilder' geändert"}, {"Bild", ""}), texts, error))
      << error.message;
  EXPECT_EQ(texts.version, U"  V 1.01");
  EXPECT_EQ(texts.history, U"a\r\nPfad 'Bilder' geändert\r\n");
  EXPECT_EQ(texts.description, U"Bild\r\n\r\n");
}

TEST(IncludeReader, AcceptsLineFeedsAlone) {
  std::string include = Include("2.0", {"x"}, {});
  std::erase(include, '\r');
  DokuTexts texts;
  DokuReadError error;
  ASSERT_TRUE(ReadDokuInclude(include, texts, error)) << error.message;
  EXPECT_EQ(texts.history, U"x\r\n");
}

struct Malformed {
  const char* name;
  std::string include;
  int line;
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

const std::string kGood = Include("1.00", {"a"}, {"d"});

class MalformedInclude : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedInclude, IsRefusedWithTheOffendingLine) {
  DokuTexts texts;
  DokuReadError error;
  EXPECT_FALSE(ReadDokuInclude(GetParam().include, texts, error));
  EXPECT_EQ(error.line, GetParam().line) << error.message;
  EXPECT_FALSE(error.message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Includes, MalformedInclude,
    ::testing::Values(
        Malformed{"Empty", "", 1}, Malformed{"ByteOrderMark", "\xEF\xBB\xBF" + kGood, 1},
        Malformed{"EmptyVersion", Include("", {"a"}, {}), 6},
        Malformed{"VersionLineMissing", Replace(kGood, "       vText$+\"  V 1.00\"\r\n", ""), 6},
        Malformed{"VersionWithoutLead", Replace(kGood, "\"  V 1.00\"", "\"1.00\""), 6},
        Malformed{"EntryWithoutLineEndConstant", Replace(kGood, "\"a\"+#Nz", "\"a\""), 8},
        Malformed{"EntryWithADoubleQuote", Replace(kGood, "\"a\"+#Nz", "\"a\"b\"+#Nz"), 8},
        Malformed{"EntryNotUtf8", Replace(kGood, "\"a\"+#Nz", "\"\xC4\"+#Nz"), 8},
        Malformed{"CasesSwapped", Replace(kGood, "Case \"A\"", "Case \"D\""), 7},
        Malformed{"UnknownLineAmongEntries", Replace(kGood, "\"a\"+#Nz\r\n", "\"a\"+#Nz\r\nx\r\n"),
                  9},
        Malformed{"EndProcedureWithoutItsBlank", Replace(kGood, "EndProcedure ", "EndProcedure"),
                  13},
        Malformed{"Truncated", kGood.substr(0, kGood.size() - 2), 13},
        Malformed{"LastLineWithoutLineEnd", kGood.substr(0, kGood.size() - 17), 12},
        Malformed{"EndProcedureMissing", kGood.substr(0, kGood.size() - 15), 13},
        Malformed{"LineAfterTheEnd", kGood + "\r\n", 14}),
    [](const auto& info) { return std::string(info.param.name); });

struct LiteralCase {
  const char* name;
  std::u32string text;
  std::string literal;
};

class ZDokuLiteral : public ::testing::TestWithParam<LiteralCase> {};

TEST_P(ZDokuLiteral, KeepsEveryCharacter) {
  EXPECT_EQ(stdproc::doku::Utf16Literal(GetParam().text), GetParam().literal);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ZDokuLiteral,
    ::testing::Values(LiteralCase{"PlainAscii", U"  V 1.00", "u\"  V 1.00\""},
                      LiteralCase{"QuoteAndBackslash", U"a\"b\\c", "u\"a\\\"b\\\\c\""},
                      LiteralCase{"LineEnds", U"x\r\n", "u\"x\\r\\n\""},
                      LiteralCase{"Umlaut", U"geändert", "u\"ge\\u00E4ndert\""},
                      LiteralCase{"BeyondTheBasicPlane", U"\U0001F600", "u\"\\U0001F600\""},
                      // A digit after a control character must not extend its escape.
                      LiteralCase{"ControlBeforeDigit", U"\t7\x85", "u\"\\0117\\205\""}),
    [](const auto& info) { return std::string(info.param.name); });

// The build step itself, as the build runs it.
const std::string kTool = PENDREL_TEST_BINARY_DIR "/src/pendrel_zdoku_gen";

TEST(ZDokuBuildStep, MalformedIncludeFailsLoudlyAndLeavesNoSource) {
  ASSERT_TRUE(std::filesystem::exists(kTool)) << "build the target pendrel_zdoku_gen first";
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.path() / "x_doku.pbi", Include("", {"a"}, {}));
  testsupport::WriteFileBytes(dir.path() / "zdoku.cpp", "// from an earlier build\n");
  auto run = testsupport::Run({kTool, dir / "x_doku.pbi", dir / "zdoku.cpp"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(dir / "x_doku.pbi" + ":6: error"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "zdoku.cpp"));
}

TEST(ZDokuBuildStep, WellFormedIncludeGivesTheSource) {
  ASSERT_TRUE(std::filesystem::exists(kTool)) << "build the target pendrel_zdoku_gen first";
  testsupport::TempDir dir;
  testsupport::WriteFileBytes(dir.path() / "x_doku.pbi", Include("1.00", {"a"}, {}));
  auto run = testsupport::Run({kTool, dir / "x_doku.pbi", dir / "zdoku.cpp"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::string source = testsupport::ReadFileBytes(dir.path() / "zdoku.cpp");
  EXPECT_NE(source.find("if (xFkt == u\"V\") return u\"  V 1.00\";"), std::string::npos) << source;
  EXPECT_NE(source.find("if (xFkt == u\"A\") return u\"a\\r\\n\";"), std::string::npos) << source;
}

}  // namespace

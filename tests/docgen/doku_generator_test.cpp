#include "docgen/doku_generator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "doku_test_support.h"
#include "runtime/text.h"
#include "support/platform_expectations.h"
#include "support/recorded_messages.h"
#include "support/temp_dir.h"

namespace {

using doku_test::Include;
using doku_test::Lines;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

class Generator : public doku_test::InTempDirectory {
 protected:
  // Writes the source as given, runs the generator and returns what it wrote.
  std::string Generate(const std::string& sourceBytes, rt::TextView program = u"Beispiel") {
    WriteFileBytes(dir_.path() / "quelle.cpp", sourceBytes);
    stdproc::yGenerierenDokPbi(u"quelle.cpp", program);
    return ReadFileBytes(dir_.path() / (rt::ToUtf8(program) + "_doku.pbi"));
  }
};

// --- The worked example, in every encoding a source may come in --------------------------

const std::u16string kExampleSource =
    u";*****************************\r\n"
    u";* Programm: Beispiel\r\n"
    u";* !D! Holt das Bild\r\n"
    u";* Änderungen:\r\n"
    u";* ----------------------------\r\n"
    u";*V 1.00 01.02.2015 (*AB) Programm erstellt\r\n"
    u";*V 1.01 15.03.2015 (*AB) Pfad \"Bilder\" geändert\n"
    u";*V X.XX XX.XX.XXXX (*XX)\r\n"
    u";*****************************";

const std::string kExampleInclude =
    "#Doku=1\r\n"
    "Procedure.s zDoku(xFkt$)\r\n"
    "Define vText$\r\n"
    "Select xFkt$\r\n"
    "  Case \"V\"  ;.--- PgmVersion ---\r\n"
    "       vText$+\"  V 1.01\"\r\n"
    "  Case \"A\"  ;.--- PgmAenderung ---\r\n"
    "       vText$+\"V 1.00 01.02.2015 (*AB) Programm erstellt\"+#Nz\r\n"
    "       vText$+\"V 1.01 15.03.2015 (*AB) Pfad 'Bilder' geändert\"+#Nz\r\n"
    "  Case \"D\"  ;.--- PgmDoku ---\r\n"
    "       vText$+\"Holt das Bild\"+#Nz\r\n"
    "EndSelect\r\n"
    "ProcedureReturn vText$\r\n"
    "EndProcedure \r\n";

std::string Utf16Le(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

struct Encoding {
  const char* name;
  std::string (*encode)(const std::u16string&);
};

class WorkedExample : public Generator, public ::testing::WithParamInterface<Encoding> {};

TEST_P(WorkedExample, GivesTheIncludeByteForByte) {
  EXPECT_EQ(Generate(GetParam().encode(kExampleSource)), kExampleInclude);
}

std::vector<Encoding> SourceEncodings() {
  std::vector<Encoding> encodings = {
      Encoding{"Utf8WithMark",
               [](const std::u16string& t) { return "\xEF\xBB\xBF" + rt::ToUtf8(t); }},
      // Sources saved by the Windows family: the umlaut is the single byte C4.
      Encoding{"Windows1252", [](const std::u16string& t) { return rt::ToWindows1252(t); }},
      Encoding{"Utf16LittleEndianWithMark", Utf16Le}};
  // Without a mark, UTF-8 is read as such only where it is the ANSI code page.
  if (!testsupport::kAnsiIsCodePage) {
    encodings.push_back({"Utf8WithoutMark", [](const std::u16string& t) { return rt::ToUtf8(t); }});
  }
  return encodings;
}

INSTANTIATE_TEST_SUITE_P(Encodings, WorkedExample, ::testing::ValuesIn(SourceEncodings()),
                         [](const auto& info) { return std::string(info.param.name); });

// --- How each kind of header line is taken ---------------------------------------------------

struct HeaderCase {
  const char* name;
  std::vector<std::string> source;
  std::string version;
  std::vector<std::string> history;
  std::vector<std::string> description;
};

class HeaderRules : public Generator, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(HeaderRules, CollectVersionHistoryAndDescription) {
  const HeaderCase& c = GetParam();
  EXPECT_EQ(Generate(Lines(c.source)), Include(c.version, c.history, c.description));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HeaderRules,
    ::testing::Values(
        HeaderCase{
            "WithoutStartLineOnlyDescriptionsCount",
            {";* Programm: X", ";*V 1.00 01.01.2015 (*AB) a", ";* !D! Beschreibung", ";******"},
            "",
            {},
            {"Beschreibung"}},
        HeaderCase{
            "WithoutEndLineEveryLineToTheEndIsHistory",
            {";* Änderungen:", ";*V 1.00 01.01.2015 (*AB) a", "int main() {}", "  return 0;"},
            "1.00",
            {"V 1.00 01.01.2015 (*AB) a", "t main() {}", "return 0;"},
            {}},
        HeaderCase{"SecondFieldThatIsNoPositiveNumberKeepsTheVersion",
                   {";* Änderungen:", ";*V 1.00 01.01.2015 (*AB) a", ";*V X.XX 02.01.2015 b",
                    ";*V 0.00 03.01.2015 c", ";*V -2.0 04.01.2015 d", ";*V  3.00 doppelt", ";*V"},
                   "1.00",
                   {"V 1.00 01.01.2015 (*AB) a", "V X.XX 02.01.2015 b", "V 0.00 03.01.2015 c",
                    "V -2.0 04.01.2015 d", "V  3.00 doppelt", "V"},
                   {}},
        HeaderCase{"LastValidVersionWinsWhereverTheMarkerStands",
                   {";* Änderungen:", ";*V 1.00 a", ";*V 2.5 b", ";* Stand *V 3.10 übernommen",
                    ";*V 1.7x"},
                   "1.7x",
                   {"V 1.00 a", "V 2.5 b", " Stand *V 3.10 übernommen", "V 1.7x"},
                   {}},
        HeaderCase{"OnlyTenCharactersFromTheMarkerAreLookedAt",
                   {";* Änderungen:", ";*V 1.00 ok", ";*V         9.0 zu weit"},
                   "1.00",
                   {"V 1.00 ok", "V         9.0 zu weit"},
                   {}},
        HeaderCase{"HistoryLineWithoutMarker",
                   {";* Änderungen:", ";*V 1.00 a", ";*  Fehler behoben"},
                   "1.00",
                   {"V 1.00 a", "  Fehler behoben"},
                   {}},
        HeaderCase{"DoubleQuotesBecomeApostrophes",
                   {";* !D! \"Bild\" holen", ";* Änderungen:", ";*V 1.00 01.01.2015 (*AB) \"neu\"",
                    ";*V 2.0\"b"},
                   "2.0'b",
                   {"V 1.00 01.01.2015 (*AB) 'neu'", "V 2.0'b"},
                   {"'Bild' holen"}},
        HeaderCase{"EmptyLinesAreSkippedBlankLinesAreNot",
                   {"", "   ", ";* Änderungen:", "", "   ", ";*V 1.00 a", ";******", "  "},
                   "1.00",
                   {" ", "V 1.00 a"},
                   {}},
        HeaderCase{"SeparatorAndTemplateLinesAreSkipped",
                   {";* Änderungen:", ";* ---", ";* --", ";*v x.xx xx.xx.xxxx (*xx)",
                    ";* bis Xx.xX.xxxX", ";*V 1.00 a"},
                   "1.00",
                   {" --", "V 1.00 a"},
                   {}},
        HeaderCase{"AlternativeStartTextAndMoreTextAfterIt",
                   {";* Aenderungen: seit 2015", ";*V 1.00 a"},
                   "1.00",
                   {"V 1.00 a"},
                   {}},
        HeaderCase{"StartTextIsComparedAsWritten",
                   {";* änderungen:", ";*Änderungen:", " ;* Änderungen:", ";*V 1.00 a"},
                   "",
                   {},
                   {}},
        HeaderCase{"SecondStartLineIsAHistoryLine",
                   {";* Änderungen:", ";* Änderungen: noch einmal", ";*V 1.00 a"},
                   "1.00",
                   {" Änderungen: noch einmal", "V 1.00 a"},
                   {}},
        HeaderCase{"EndLineBeforeTheStartDoesNothing",
                   {";******", ";* Änderungen:", ";*V 1.00 a", ";********", ";*V 2.00 b"},
                   "1.00",
                   {"V 1.00 a"},
                   {}},
        HeaderCase{"DescriptionLinesCountInEverySection",
                   {";* !D! vorher", ";* Änderungen:", ";*V 1.00 !D! mitten", ";******",
                    "// !D!    danach", ";* !D!"},
                   "1.00",
                   {"V 1.00 !D! mitten"},
                   {"vorher", "mitten", "danach", ""}},
        HeaderCase{"AnEntryHoldingTheSeparatorIsWrittenAsTwo",
                   {";* Änderungen:", ";* a\\0013b"},
                   "",
                   {" a", "b"},
                   {}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Names, failures and the output file ----------------------------------------------------

TEST_F(Generator, EmptyOrBlankProgramNameFallsBackToTheSourceFileName) {
  for (rt::TextView blank : {u"", u"   "}) {
    WriteFileBytes(dir_.path() / "quelle.cpp", Lines({";* Änderungen:", ";*V 1.00 a"}));
    stdproc::yGenerierenDokPbi(u"quelle.cpp", blank);
    EXPECT_EQ(ReadFileBytes(dir_.path() / "quelle.cpp_doku.pbi"),
              Include("1.00", {"V 1.00 a"}, {}));
    std::filesystem::remove(dir_.path() / "quelle.cpp_doku.pbi");
  }
}

TEST_F(Generator, ReplacesALongerEarlierIncludeCompletely) {
  WriteFileBytes(dir_.path() / "Beispiel_doku.pbi", std::string(5000, 'x'));
  EXPECT_EQ(Generate(Lines({";* Änderungen:", ";*V 1.00 a"})), Include("1.00", {"V 1.00 a"}, {}));
}

TEST_F(Generator, UnreadableSourceShowsABoxAndTouchesNoOutput) {
  testsupport::RecordedMessages boxes;
  WriteFileBytes(dir_.path() / "Beispiel_doku.pbi", "alt");
  stdproc::yGenerierenDokPbi(u"fehlt.cpp", u"Beispiel");
  EXPECT_EQ(boxes.Take(),
            "Beispiel: yGenerierenDokPbi: Datei=fehlt.cpp konnte nicht geöffnet werden !\n");
  EXPECT_EQ(ReadFileBytes(dir_.path() / "Beispiel_doku.pbi"), "alt");
}

TEST_F(Generator, FailureBoxOfAnUnnamedProgramIsTitledWithTheSourceName) {
  testsupport::RecordedMessages boxes;
  stdproc::yGenerierenDokPbi(u"fehlt.cpp", u" ");
  EXPECT_EQ(boxes.Take(),
            "fehlt.cpp: yGenerierenDokPbi: Datei=fehlt.cpp konnte nicht geöffnet werden !\n");
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "fehlt.cpp_doku.pbi"));
}

TEST_F(Generator, OutputThatCannotBeCreatedShowsABox) {
  testsupport::RecordedMessages boxes;
  // A directory in the include's place can be neither deleted nor opened as a file.
  std::filesystem::create_directory(dir_.path() / "Beispiel_doku.pbi");
  WriteFileBytes(dir_.path() / "quelle.cpp", Lines({";* Änderungen:", ";*V 1.00 a"}));
  stdproc::yGenerierenDokPbi(u"quelle.cpp", u"Beispiel");
  EXPECT_EQ(
      boxes.Take(),
      "Beispiel: yGenerierenDokPbi: Datei=Beispiel_doku.pbi konnte nicht erstellt werden !\n");
  EXPECT_TRUE(std::filesystem::is_directory(dir_.path() / "Beispiel_doku.pbi"));
}

TEST_F(Generator, ProgramHeaderReproducesTheCommittedInclude) {
  doku_test::CopyProgramSource(dir_.path() / "Pendrel.cpp");
  stdproc::yGenerierenDokPbi(u"Pendrel.cpp", u"Pendrel");
  EXPECT_EQ(ReadFileBytes(dir_.path() / "Pendrel_doku.pbi"), doku_test::CommittedInclude());
}

}  // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "stdproc/transfer/transfer.h"
#include "support/platform_expectations.h"
#include "support/temp_dir.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

// Comments, blank lines, spaces around a key, mixed line ends and a last line without one.
const std::string kIni =
    "; Einstellungen\r\n"
    "[KAPITEL1]\r\n"
    "Schluessel1=Wert 1\r\n"
    "  Schluessel2 = Wert 2\n"
    "; zu Schluessel3\r\n"
    "Schluessel3=\r\n"
    "\r\n"
    "[Kapitel2]\r\n"
    "Schluessel1=anderer Wert\r\n"
    "\r\n"
    "[Kapitel3]\n"
    "Schluessel9=letzter";

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
}

// What every platform keeps of a file: its non-blank lines, trimmed, a key without the
// spaces around its "=".
std::vector<std::string> Entries(const std::string& bytes) {
  std::vector<std::string> entries;
  size_t begin = 0;
  while (begin < bytes.size()) {
    size_t end = bytes.find('\n', begin);
    if (end == std::string::npos) end = bytes.size();
    std::string line = Trimmed(bytes.substr(begin, end - begin));
    const size_t equals = line.find('=');
    if (equals != std::string::npos && line[0] != ';') {
      line = Trimmed(line.substr(0, equals)) + "=" + Trimmed(line.substr(equals + 1));
    }
    if (!line.empty()) entries.push_back(line);
    begin = end + 1;
  }
  return entries;
}

class PrivateProfile : public ::testing::Test {
 protected:
  void SetUp() override { WriteFileBytes(file(), kIni); }
  std::filesystem::path file() const { return dir_.path() / "test.ini"; }
  rt::Text name() const { return rt::FromUtf8(file().string()); }
  // The file holds the entries of `want`, and on a platform that keeps the layout its bytes.
  void ExpectFile(const std::string& want, const std::string& what) const {
    const std::string bytes = ReadFileBytes(file());
    EXPECT_EQ(Entries(bytes), Entries(want)) << what;
    if (testsupport::kProfileKeepsLayout) {
      EXPECT_EQ(bytes, want) << what;
    }
  }
  // The sample without the given part.
  static std::string Without(const std::string& part) {
    std::string text = kIni;
    size_t at = text.find(part);
    EXPECT_NE(at, std::string::npos) << part;
    return text.erase(at, part.size());
  }

  TempDir dir_;
};

TEST_F(PrivateProfile, DeletesOneKeyAndKeepsEveryOtherEntry) {
  struct Case {
    const char16_t* section;
    const char16_t* key;
    std::string removed;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"KAPITEL1", u"Schluessel1", "Schluessel1=Wert 1\r\n"},
           {u"kapitel1", u"SCHLUESSEL2", "  Schluessel2 = Wert 2\n"},
           {u"Kapitel1", u"schluessel3", "Schluessel3=\r\n"},
           {u"KAPITEL2", u"Schluessel1", "Schluessel1=anderer Wert\r\n"},
           {u"Kapitel3", u"Schluessel9", "Schluessel9=letzter"},
       }) {
    WriteFileBytes(file(), kIni);
    EXPECT_EQ(stdproc::yDeleteIniKey(c.section, c.key, name()), 0);
    ExpectFile(Without(c.removed), rt::ToUtf8(c.key));
  }
}

TEST_F(PrivateProfile, DeletesASectionWithAllItsLines) {
  struct Case {
    const char16_t* section;
    std::string removed;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"kapitel1",
            "[KAPITEL1]\r\nSchluessel1=Wert 1\r\n  Schluessel2 = Wert 2\n; zu Schluessel3\r\n"
            "Schluessel3=\r\n\r\n"},
           {u"KAPITEL2", "[Kapitel2]\r\nSchluessel1=anderer Wert\r\n\r\n"},
           {u"Kapitel3", "[Kapitel3]\nSchluessel9=letzter"},
       }) {
    WriteFileBytes(file(), kIni);
    EXPECT_EQ(stdproc::yDeleteIniSection(c.section, name()), 0);
    ExpectFile(Without(c.removed), rt::ToUtf8(c.section));
  }
}

TEST_F(PrivateProfile, UnknownNamesChangeNothing) {
  const auto before = std::filesystem::last_write_time(file());
  EXPECT_EQ(stdproc::yDeleteIniKey(u"KAPITEL1", u"Fehlt", name()), 0);
  EXPECT_EQ(stdproc::yDeleteIniKey(u"Fehlt", u"Schluessel1", name()), 0);
  // A key of another section is not this section's key.
  EXPECT_EQ(stdproc::yDeleteIniKey(u"Kapitel3", u"Schluessel1", name()), 0);
  EXPECT_EQ(stdproc::yDeleteIniSection(u"Fehlt", name()), 0);
  EXPECT_EQ(ReadFileBytes(file()), kIni);
  EXPECT_EQ(std::filesystem::last_write_time(file()), before);
}

TEST_F(PrivateProfile, MissingFileIsNotCreated) {
  const rt::Text missing = rt::FromUtf8((dir_.path() / "fehlt.ini").string());
  EXPECT_EQ(stdproc::yDeleteIniKey(u"KAPITEL1", u"Schluessel1", missing), 0);
  EXPECT_EQ(stdproc::yDeleteIniSection(u"KAPITEL1", missing), 0);
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "fehlt.ini"));
}

TEST_F(PrivateProfile, OnlyTheFirstMatchGoes) {
  WriteFileBytes(file(), "[A]\nk=1\nk=2\n[B]\n[a]\nk=3\n");
  stdproc::yDeleteIniKey(u"a", u"K", name());
  ExpectFile("[A]\nk=2\n[B]\n[a]\nk=3\n", "key");
  stdproc::yDeleteIniSection(u"A", name());
  ExpectFile("[B]\n[a]\nk=3\n", "section");
  // The first section of the name lacks the key, so it goes from the next one.
  WriteFileBytes(file(), "[A]\nx=1\n[A]\nk=2\n");
  stdproc::yDeleteIniKey(u"A", u"k", name());
  ExpectFile("[A]\nx=1\n[A]\n", "key of the second section");
}

TEST_F(PrivateProfile, KeepsTheEncodingOfUtf16AndUtf8Files) {
  auto utf16 = [](const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
      bytes += static_cast<char>(unit & 0xFF);
      bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
  };
  WriteFileBytes(file(), utf16(u"[Bild]\r\nTitel=Größe\r\nHoehe=2\r\n"));
  stdproc::yDeleteIniKey(u"bild", u"HOEHE", name());
  EXPECT_EQ(ReadFileBytes(file()), utf16(u"[Bild]\r\nTitel=Größe\r\n"));

  WriteFileBytes(file(), "\xEF\xBB\xBF[Kapitel]\nx=1\n[Rest]\ny=\xC3\xBC\n");
  stdproc::yDeleteIniSection(u"KAPITEL", name());
  ExpectFile("\xEF\xBB\xBF[Rest]\ny=\xC3\xBC\n", "utf-8");
}

}  // namespace

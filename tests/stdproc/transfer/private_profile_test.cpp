#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "stdproc/transfer/transfer.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

// Comments, blank lines, mixed line ends and a last line without one, so that any
// rewriting beyond the removed lines shows.
const std::string kIni =
    "; Einstellungen\r\n"
    "[KAPITEL1]\r\n"
    "Schluessel1=Wert 1\r\n"
    "  Schluessel2 = Wert 2\n"
    "; zu Schluessel3\r\n"
    "Schluessel3=\r\n"
    "\r\n"
    "  [ Kapitel2 ]  \r\n"
    "[Kapitel2]\r\n"
    "Schluessel1=anderer Wert\r\n"
    "\r\n"
    "[Kapitel3]\n"
    "Schluessel9=letzter";

class PrivateProfile : public ::testing::Test {
 protected:
  void SetUp() override { WriteFileBytes(file(), kIni); }
  std::filesystem::path file() const { return dir_.path() / "test.ini"; }
  rt::Text name() const { return rt::FromUtf8(file().string()); }
  // The sample without the given part.
  static std::string Without(const std::string& part) {
    std::string text = kIni;
    size_t at = text.find(part);
    EXPECT_NE(at, std::string::npos) << part;
    return text.erase(at, part.size());
  }

  TempDir dir_;
};

TEST_F(PrivateProfile, DeletesOneKeyAndKeepsEveryOtherByte) {
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
    EXPECT_EQ(ReadFileBytes(file()), Without(c.removed)) << rt::ToUtf8(c.key);
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
           // The header is read up to its last bracket: " Kapitel2 " is another name.
           {u"KAPITEL2", "[Kapitel2]\r\nSchluessel1=anderer Wert\r\n\r\n"},
           {u" Kapitel2 ", "  [ Kapitel2 ]  \r\n"},
           {u"Kapitel3", "[Kapitel3]\nSchluessel9=letzter"},
       }) {
    WriteFileBytes(file(), kIni);
    EXPECT_EQ(stdproc::yDeleteIniSection(c.section, name()), 0);
    EXPECT_EQ(ReadFileBytes(file()), Without(c.removed)) << rt::ToUtf8(c.section);
  }
}

TEST_F(PrivateProfile, UnknownNamesChangeNothing) {
  const auto before = std::filesystem::last_write_time(file());
  EXPECT_EQ(stdproc::yDeleteIniKey(u"KAPITEL1", u"Fehlt", name()), 0);
  EXPECT_EQ(stdproc::yDeleteIniKey(u"Fehlt", u"Schluessel1", name()), 0);
  // A key of another section is not this section's key.
  EXPECT_EQ(stdproc::yDeleteIniKey(u"Kapitel3", u"Schluessel1", name()), 0);
  EXPECT_EQ(stdproc::yDeleteIniSection(u"Fehlt", name()), 0);
  EXPECT_EQ(stdproc::yDeleteIniSection(u"", name()), 0);
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
  EXPECT_EQ(ReadFileBytes(file()), "[A]\nk=2\n[B]\n[a]\nk=3\n");
  stdproc::yDeleteIniSection(u"A", name());
  EXPECT_EQ(ReadFileBytes(file()), "[B]\n[a]\nk=3\n");
  // The first section of the name lacks the key, so it goes from the next one.
  WriteFileBytes(file(), "[A]\nx=1\n[A]\nk=2\n");
  stdproc::yDeleteIniKey(u"A", u"k", name());
  EXPECT_EQ(ReadFileBytes(file()), "[A]\nx=1\n[A]\n");
}

TEST_F(PrivateProfile, ReadsUtf16AndUtf8Files) {
  auto utf16 = [](const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
      bytes += static_cast<char>(unit & 0xFF);
      bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
  };
  WriteFileBytes(file(), utf16(u"[Größe]\r\nBreite=1\r\nHöhe=2\r\n"));
  stdproc::yDeleteIniKey(u"größe", u"HÖHE", name());
  EXPECT_EQ(ReadFileBytes(file()), utf16(u"[Größe]\r\nBreite=1\r\n"));

  WriteFileBytes(file(),
                 "\xEF\xBB\xBF[\xC3\x9C"
                 "ber]\nx=1\n[Rest]\n");
  stdproc::yDeleteIniSection(u"über", name());
  EXPECT_EQ(ReadFileBytes(file()), "\xEF\xBB\xBF[Rest]\n");
}

TEST_F(PrivateProfile, RewriteKeepsPermissionsLinksAndNoTemporaryFiles) {
  namespace fs = std::filesystem;
  fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(file(), dir_.path() / "link.ini");
  stdproc::yDeleteIniSection(u"Kapitel3", rt::FromUtf8((dir_.path() / "link.ini").string()));
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "link.ini"));
  EXPECT_EQ(ReadFileBytes(file()), Without("[Kapitel3]\nSchluessel9=letzter"));
  EXPECT_EQ(fs::status(file()).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_.path())) ++entries;
  EXPECT_EQ(entries, 2);
}

TEST_F(PrivateProfile, ReadOnlyFileStaysAsItIs) {
  namespace fs = std::filesystem;
  // Anyone may create files in the directory: only the file's own permission decides.
  fs::permissions(dir_.path(), fs::perms::all);
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  const fs::perms writable =
      fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec & ~fs::perms::others_exec;
  struct Case {
    fs::perms perms;
    std::string want;
  };
  for (const Case& c :
       {Case{writable, Without("[Kapitel3]\nSchluessel9=letzter")}, Case{readOnly, kIni}}) {
    WriteFileBytes(file(), kIni);
    fs::permissions(file(), c.perms);
    EXPECT_EQ(testsupport::RunUnprivileged([&] {
                stdproc::yDeleteIniSection(u"Kapitel3", name());
                return ReadFileBytes(file()) == c.want ? 0 : 1;
              }),
              0);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_.path())) ++entries;
    EXPECT_EQ(entries, 1);
  }
}

}  // namespace

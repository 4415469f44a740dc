// The rules of our own ini reader and writer (Linux): header names read to their last
// bracket, lines before the first header out of reach, names folded beyond ASCII, and a
// rewrite that keeps links, permissions and read-only files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "stdproc/transfer/transfer.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

const std::string kIni =
    "; vor dem ersten Kapitel\n"
    "  [ Kapitel2 ]  \n"
    "[Kapitel2]\n"
    "Schluessel1=Wert\n"
    "[Kapitel3]\n"
    "Schluessel9=letzter\n";

class OwnProfileRules : public ::testing::Test {
 protected:
  void SetUp() override { WriteFileBytes(file(), kIni); }
  fs::path file() const { return dir_.path() / "test.ini"; }
  rt::Text name() const { return rt::FromUtf8(file().string()); }

  TempDir dir_;
};

TEST_F(OwnProfileRules, HeadersAreReadToTheirLastBracket) {
  stdproc::yDeleteIniSection(u" Kapitel2 ", name());
  EXPECT_EQ(ReadFileBytes(file()),
            "; vor dem ersten Kapitel\n[Kapitel2]\nSchluessel1=Wert\n[Kapitel3]\n"
            "Schluessel9=letzter\n");
  WriteFileBytes(file(), kIni);
  stdproc::yDeleteIniSection(u"kapitel2", name());
  EXPECT_EQ(ReadFileBytes(file()),
            "; vor dem ersten Kapitel\n  [ Kapitel2 ]  \n[Kapitel3]\nSchluessel9=letzter\n");
}

TEST_F(OwnProfileRules, LinesBeforeTheFirstHeaderBelongToNoSection) {
  stdproc::yDeleteIniSection(u"", name());
  stdproc::yDeleteIniKey(u"", u"; vor dem ersten Kapitel", name());
  EXPECT_EQ(ReadFileBytes(file()), kIni);
}

TEST_F(OwnProfileRules, NamesCompareWithoutRegardToCaseBeyondAscii) {
  WriteFileBytes(file(),
                 "[Gr\xC3\xB6\xC3\x9F"
                 "e]\nBreite=1\nH\xC3\xB6he=2\n");
  stdproc::yDeleteIniKey(u"größe", u"HÖHE", name());
  EXPECT_EQ(ReadFileBytes(file()),
            "[Gr\xC3\xB6\xC3\x9F"
            "e]\nBreite=1\n");
  stdproc::yDeleteIniSection(u"GRÖßE", name());
  EXPECT_EQ(ReadFileBytes(file()), "");
}

TEST_F(OwnProfileRules, RewriteKeepsPermissionsLinksAndNoTemporaryFiles) {
  fs::permissions(file(), fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(file(), dir_.path() / "link.ini");
  stdproc::yDeleteIniSection(u"Kapitel3", rt::FromUtf8((dir_.path() / "link.ini").string()));
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "link.ini"));
  EXPECT_EQ(ReadFileBytes(file()), kIni.substr(0, kIni.find("[Kapitel3]")));
  EXPECT_EQ(fs::status(file()).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir_.path())) ++entries;
  EXPECT_EQ(entries, 2);
}

TEST_F(OwnProfileRules, ReadOnlyFileStaysAsItIs) {
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
       {Case{writable, kIni.substr(0, kIni.find("[Kapitel3]"))}, Case{readOnly, kIni}}) {
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

#include "stdproc/file/file_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

#include "runtime/text.h"
#include "support/open_files.h"
#include "support/temp_dir.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

rt::Text Name(const std::string& path) { return rt::FromUtf8(path); }

// Every byte value, 0 and 26 included, then a stretch long enough to cross the runtime's
// buffer several times at an odd length.
std::string BinaryContent() {
  std::string bytes;
  for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
  for (int i = 0; bytes.size() < 200'003; ++i) bytes += static_cast<char>((i * 131 + i / 7) & 0xFF);
  return bytes;
}

std::string Status(const rt::Text& status) { return rt::ToUtf8(status); }

TEST(CopyFile, CopiesOrAppendsExactBytes) {
  const std::string content = BinaryContent();
  const std::string longer = std::string(content.size() + 5000, 'L');
  struct Case {
    std::u16string mode;
    std::optional<std::string> before;  // the target's content; nullopt: no target
    std::string want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"", std::nullopt, content},
           {u"", "vorher", content},
           {u"", longer, content},
           {u"#ADD", std::nullopt, content},
           {u"#ADD", "vorher", "vorher" + content},
           {u"x #ADD y", "vorher", "vorher" + content},
           {u"#add", "vorher", content},
       }) {
    TempDir dir;
    WriteFileBytes(dir / "quelle.bin", content);
    if (c.before) WriteFileBytes(dir / "ziel.bin", *c.before);
    const std::string context =
        rt::ToUtf8(c.mode) + " before=" + std::to_string(c.before ? c.before->size() : -1);
    EXPECT_EQ(Status(stdproc::yCopyFile(c.mode, Name(dir / "quelle.bin"), Name(dir / "ziel.bin"))),
              "1/")
        << context;
    EXPECT_TRUE(ReadFileBytes(dir / "ziel.bin") == c.want) << context;
    EXPECT_TRUE(ReadFileBytes(dir / "quelle.bin") == content) << context;
  }
}

TEST(CopyFile, EmptySourceEmptiesOrKeepsTarget) {
  TempDir dir;
  WriteFileBytes(dir / "leer", "");
  WriteFileBytes(dir / "ziel", "bleibt");
  EXPECT_EQ(Status(stdproc::yCopyFile(u"#ADD", Name(dir / "leer"), Name(dir / "ziel"))), "1/");
  EXPECT_EQ(ReadFileBytes(dir / "ziel"), "bleibt");
  EXPECT_EQ(Status(stdproc::yCopyFile(u"", Name(dir / "leer"), Name(dir / "ziel"))), "1/");
  EXPECT_TRUE(std::filesystem::exists(dir / "ziel"));
  EXPECT_EQ(ReadFileBytes(dir / "ziel"), "");
}

TEST(CopyFile, MissingSourceLeavesTargetAlone) {
  TempDir dir;
  const std::string source = dir / "fehlt.txt";
  const std::string want = "0/Datei " + source + " nicht gefunden !";
  for (const char16_t* mode : {u"", u"#ADD"}) {
    WriteFileBytes(dir / "ziel.txt", "wichtig");
    EXPECT_EQ(Status(stdproc::yCopyFile(mode, Name(source), Name(dir / "ziel.txt"))), want);
    EXPECT_EQ(ReadFileBytes(dir / "ziel.txt"), "wichtig");

    EXPECT_EQ(Status(stdproc::yCopyFile(mode, Name(source), Name(dir / "neu.txt"))), want);
    EXPECT_FALSE(std::filesystem::exists(dir / "neu.txt"));
  }
}

TEST(CopyFile, UnusableTargetIsNamedInTheStatus) {
  TempDir dir;
  WriteFileBytes(dir / "quelle.txt", "abc");
  const std::string target = dir / "fehlt/ziel.txt";
  EXPECT_EQ(Status(stdproc::yCopyFile(u"", Name(dir / "quelle.txt"), Name(target))),
            "0/Datei " + target + " konnte nicht angelegt werden !");
  EXPECT_EQ(Status(stdproc::yCopyFile(u"#ADD", Name(dir / "quelle.txt"), Name(target))),
            "0/Datei " + target + " nicht gefunden !");
  // Missing on both sides: the target is never tried, so the source is what is missing.
  EXPECT_EQ(Status(stdproc::yCopyFile(u"", Name(dir / "fehlt.txt"), Name(target))),
            "0/Datei " + (dir / "fehlt.txt") + " nicht gefunden !");
}

TEST(CopyFile, LeavesNoFileOpen) {
  TempDir dir;
  WriteFileBytes(dir / "quelle.txt", "abc");
  const auto before = testsupport::OpenDescriptorCount();
  for (const std::string& target : {dir / "ziel.txt", dir / "fehlt/ziel.txt"}) {
    for (const char16_t* mode : {u"", u"#ADD"}) {
      stdproc::yCopyFile(mode, Name(dir / "quelle.txt"), Name(target));
      EXPECT_EQ(testsupport::OpenDescriptorCount(), before) << target << " " << rt::ToUtf8(mode);
    }
  }
}

// Kernel files tell a length of 0 (/proc) or 4096 (/sys) whatever they hold.
TEST(CopyFile, KernelFilesAreCopiedToTheirEnd) {
  TempDir dir;
  for (const std::string source : {"/proc/version", "/sys/class/net/lo/address"}) {
    const std::string want = ReadFileBytes(source);
    ASSERT_FALSE(want.empty()) << source;
    EXPECT_EQ(Status(stdproc::yCopyFile(u"", Name(source), Name(dir / "ziel.txt"))), "1/");
    EXPECT_EQ(ReadFileBytes(dir / "ziel.txt"), want) << source;
  }
}

TEST(CopyFile, SourceShorterThanItClaimsOverATargetOfThatLengthIsAFailure) {
  TempDir dir;
  const std::string source = "/sys/class/net/lo/address";
  WriteFileBytes(dir / "ziel.txt", std::string(4096, 'x'));
  EXPECT_EQ(Status(stdproc::yCopyFile(u"", Name(source), Name(dir / "ziel.txt"))),
            "0/Datei " + source + " konnte nicht gelesen werden !");
}

TEST(CopyFile, DirectoryIsNoSource) {
  TempDir dir;
  WriteFileBytes(dir / "ziel.txt", "wichtig");
  EXPECT_EQ(Status(stdproc::yCopyFile(u"", Name(dir.path().string()), Name(dir / "ziel.txt"))),
            "0/Datei " + dir.path().string() + " nicht gefunden !");
  EXPECT_EQ(ReadFileBytes(dir / "ziel.txt"), "wichtig");
}

TEST(CopyFile, TargetThatCannotTakeTheBytesIsAFailure) {
  TempDir dir;
  WriteFileBytes(dir / "quelle.bin", BinaryContent());
  EXPECT_EQ(Status(stdproc::yCopyFile(u"", Name(dir / "quelle.bin"), u"/dev/full")),
            "0/Datei /dev/full konnte nicht geschrieben werden !");
  WriteFileBytes(dir / "klein.txt", "abc");
  EXPECT_EQ(Status(stdproc::yCopyFile(u"", Name(dir / "klein.txt"), u"/dev/full")),
            "0/Datei /dev/full konnte nicht geschrieben werden !");
}

TEST(CopyFile, FileOntoItselfKeepsOrDoublesItsBytes) {
  TempDir dir;
  const std::string content = BinaryContent();
  WriteFileBytes(dir / "datei.bin", content);
  const rt::Text name = Name(dir / "datei.bin");
  EXPECT_EQ(Status(stdproc::yCopyFile(u"", name, name)), "1/");
  EXPECT_TRUE(ReadFileBytes(dir / "datei.bin") == content);
  // Appending stops after the bytes the file had, instead of chasing its own growth.
  EXPECT_EQ(Status(stdproc::yCopyFile(u"#ADD", name, name)), "1/");
  EXPECT_TRUE(ReadFileBytes(dir / "datei.bin") == content + content);
}

}  // namespace

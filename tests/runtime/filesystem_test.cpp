// File-system queries, path cutting and numbered directory listings.
#include "runtime/filesystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

rt::Text Name(const std::string& path) { return rt::FromUtf8(path); }

TEST(PathSize, SizesDirectoriesAndMissingPaths) {
  TempDir dir;
  WriteFileBytes(dir / "empty", "");
  WriteFileBytes(dir / "five", "12345");
  fs::create_directory(dir.path() / "sub");
  const std::string base = dir.path().string();
  struct Case {
    std::string path;
    int64_t size;
  };
  for (const Case& c : std::initializer_list<Case>{
           {base + "/empty", 0},
           {base + "/five", 5},
           {base + "/five/", 5},
           {base + "/missing", -1},
           {"", -1},
           {base, -2},
           {base + "/sub", -2},
           {base + "/sub//", -2},
           {base + "/sub\\", -2},
           {"/", -2},
           {"//", -2},
       }) {
    EXPECT_EQ(rt::PathSize(Name(c.path)), c.size) << c.path;
  }
}

TEST(PathParts, FileAndDirectoryParts) {
  struct Case {
    rt::Text path, file, directory;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"/usr/bin/pendrel", u"pendrel", u"/usr/bin/"},
           {u"c:\\tools\\Pendrel.exe", u"Pendrel.exe", u"c:\\tools\\"},
           {u"a/b\\c.txt", u"c.txt", u"a/b\\"},
           {u"plain.txt", u"plain.txt", u""},
           {u"/", u"", u"/"},
           {u"dir/", u"", u"dir/"},
           {u"", u"", u""},
           {u"\"/opt/my app/run\" --flag /x", u"run", u"/opt/my app/"},
           {u"\"/opt/unclosed/file", u"file", u"/opt/unclosed/"},
           {u"/music/*.mp3|rock/*.wav", u"*.wav", u"/music/"},
           {u"*.mp3|rock/*.wav", u"*.wav", u""},
       }) {
    EXPECT_EQ(rt::PathFilePart(c.path), c.file) << rt::ToUtf8(c.path);
    EXPECT_EQ(rt::PathDirPart(c.path), c.directory) << rt::ToUtf8(c.path);
  }
}

TEST(PathDelete, DeletesWritableFilesOnly) {
  TempDir dir;
  WriteFileBytes(dir / "gone", "x");
  WriteFileBytes(dir / "readonly", "x");
  fs::permissions(dir / "readonly", fs::perms::owner_read | fs::perms::group_read);
  fs::create_directory(dir.path() / "sub");

  EXPECT_NE(rt::PathDelete(Name(dir / "gone")), 0);
  EXPECT_FALSE(fs::exists(dir / "gone"));
  EXPECT_EQ(rt::PathDelete(Name(dir / "gone")), 0);
  EXPECT_EQ(rt::PathDelete(Name(dir / "readonly")), 0);
  EXPECT_TRUE(fs::exists(dir / "readonly"));
  EXPECT_EQ(rt::PathDelete(Name(dir / "sub")), 0);
  EXPECT_TRUE(fs::exists(dir / "sub"));
  EXPECT_EQ(rt::PathDelete(u""), 0);
}

TEST(DirCreate, CreatesOneLevelWithoutTrailingSpacesAndSeparators) {
  TempDir dir;
  EXPECT_NE(rt::DirCreate(Name(dir / "one")), 0);
  EXPECT_TRUE(fs::is_directory(dir / "one"));
  EXPECT_NE(rt::DirCreate(Name(dir / "two/ \\/  ")), 0);
  EXPECT_TRUE(fs::is_directory(dir / "two"));
  EXPECT_EQ(rt::DirCreate(Name(dir / "one")), 0) << "exists already";
  EXPECT_EQ(rt::DirCreate(Name(dir / "no/such")), 0) << "one level only";
  EXPECT_EQ(rt::DirCreate(u"  //"), 0);
}

class DirListing : public ::testing::Test {
 protected:
  // name -> type of every entry the listing delivers.
  std::map<std::string, int32_t> List(const std::string& directory, rt::TextView pattern) {
    std::map<std::string, int32_t> entries;
    const int32_t listing = rt::DirExamine(rt::AnyNumber, Name(directory), pattern);
    EXPECT_NE(listing, 0) << directory;
    while (rt::DirNextEntry(listing)) {
      entries[rt::ToUtf8(rt::DirEntryName(listing))] = rt::DirEntryType(listing);
    }
    EXPECT_EQ(rt::DirEntryName(listing), u"") << "no entry after the end";
    rt::DirFinish(listing);
    return entries;
  }
  TempDir dir;
};

TEST_F(DirListing, DeliversEveryEntryWithItsType) {
  WriteFileBytes(dir / "a.txt", "");
  WriteFileBytes(dir / "B.TXT", "");
  WriteFileBytes(dir / "noext", "");
  fs::create_directory(dir.path() / "sub");
  const std::map<std::string, int32_t> all = {
      {".", rt::EntryDirectory}, {"..", rt::EntryDirectory}, {"a.txt", rt::EntryFile},
      {"B.TXT", rt::EntryFile},  {"noext", rt::EntryFile},   {"sub", rt::EntryDirectory}};
  EXPECT_EQ(List(dir.path().string(), u""), all);
  EXPECT_EQ(List(dir.path().string() + "/", u"*.*"), all);
  EXPECT_EQ(List(dir.path().string(), u"*.txt"),
            (std::map<std::string, int32_t>{{"a.txt", rt::EntryFile}, {"B.TXT", rt::EntryFile}}));
  EXPECT_EQ(List(dir.path().string(), u"?oex?"),
            (std::map<std::string, int32_t>{{"noext", rt::EntryFile}}));
}

TEST_F(DirListing, EmptyMissingAndUnreadableDirectories) {
  fs::create_directory(dir.path() / "empty");
  EXPECT_EQ(List(dir / "empty", u"*.txt"), (std::map<std::string, int32_t>{}));
  EXPECT_EQ(rt::DirExamine(rt::AnyNumber, Name(dir / "missing"), u""), 0);
  WriteFileBytes(dir / "file", "");
  EXPECT_EQ(rt::DirExamine(rt::AnyNumber, Name(dir / "file"), u""), 0);
  EXPECT_EQ(rt::DirNextEntry(4711), 0);
  EXPECT_EQ(rt::DirEntryType(4711), 0);
}

}  // namespace

// Creating directory paths and listing trees into arrays and lists.
#include "stdproc/file/directories.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/runtime.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

rt::Text Name(const std::string& path) { return rt::FromUtf8(path); }

std::vector<std::string> Sorted(std::vector<std::string> paths) {
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::vector<std::string> Utf8(const std::vector<rt::Text>& texts) {
  std::vector<std::string> out;
  for (const rt::Text& t : texts) out.push_back(rt::ToUtf8(t));
  return out;
}

std::vector<std::string> ListContent(rt::List<rt::Text>& list) {
  std::vector<std::string> out;
  rt::ListReset(list);
  while (rt::Text* entry = rt::ListNext(list)) out.push_back(rt::ToUtf8(*entry));
  return out;
}

// A tree:  root/a.txt  root/b.MP3  root/noext  root/sub/c.txt  root/sub/deep/d.mp3
//          root/other/ (empty)
class Tree : public ::testing::Test {
 protected:
  Tree() : root(dir / "root") {
    fs::create_directories(root + "/sub/deep");
    fs::create_directories(root + "/other");
    for (const char* file : {"a.txt", "b.MP3", "noext", "sub/c.txt", "sub/deep/d.mp3"}) {
      WriteFileBytes(root + "/" + file, "x");
    }
  }
  std::string P(const std::string& relative) const { return root + "/" + relative; }

  TempDir dir;
  std::string root;
};

TEST(CreateDirectoryAll, CreatesEveryMissingLevel) {
  TempDir dir;
  const std::string base = dir.path().string();
  stdproc::yCreateDirectoryAll(Name("  " + base + "/A/B  "));
  EXPECT_TRUE(fs::is_directory(base + "/A/B"));
  stdproc::yCreateDirectoryAll(Name(base + "/C/D/"));
  EXPECT_TRUE(fs::is_directory(base + "/C/D"));
  stdproc::yCreateDirectoryAll(Name(base + "//E///F"));
  EXPECT_TRUE(fs::is_directory(base + "/E/F"));
  stdproc::yCreateDirectoryAll(Name(base + "/win\\p\\q"));
  EXPECT_TRUE(fs::is_directory(base + "/win/p/q"));
  stdproc::yCreateDirectoryAll(Name(base + "/A/B"));  // exists: nothing happens
  EXPECT_TRUE(fs::is_directory(base + "/A/B"));
}

TEST(CreateDirectoryAll, RelativePathsStartAtTheCurrentDirectory) {
  TempDir dir;
  const fs::path previous = fs::current_path();
  fs::current_path(dir.path());
  stdproc::yCreateDirectoryAll(u"rel/ative");
  fs::current_path(previous);
  EXPECT_TRUE(fs::is_directory(dir.path() / "rel" / "ative"));
}

TEST(CreateDirectoryAll, EmptyRootAndBlockedPathsCreateNothing) {
  TempDir dir;
  const std::string base = dir.path().string();
  stdproc::yCreateDirectoryAll(u"");
  stdproc::yCreateDirectoryAll(u"   ");
  stdproc::yCreateDirectoryAll(u"/");
  // A level that is a file stops the deeper levels without harm.
  WriteFileBytes(base + "/file", "x");
  stdproc::yCreateDirectoryAll(Name(base + "/file/below/deeper"));
  EXPECT_TRUE(fs::is_regular_file(base + "/file"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(Tree, ReadDirListsFilesOfOneLevelOrTheWholeTree) {
  struct Case {
    rt::Text pattern;
    int32_t recurse;
    std::vector<std::string> want;
  };
  const std::vector<Case> cases = {
      {u"", 0, {P("a.txt"), P("b.MP3"), P("noext")}},
      {u"*.*", 2, {P("a.txt"), P("b.MP3"), P("noext")}},
      {u"*.txt", 1, {P("a.txt"), P("sub/c.txt")}},
      {u"*.mp3", 1, {P("b.MP3"), P("sub/deep/d.mp3")}},
      {u"*", 1, {P("a.txt"), P("b.MP3"), P("noext"), P("sub/c.txt"), P("sub/deep/d.mp3")}},
      {u"noext", 1, {P("noext")}},
  };
  for (const Case& c : cases) {
    std::vector<rt::Text> files(1);
    const int32_t count = stdproc::yReadDir(Name(root), c.pattern, c.recurse, files, 0);
    EXPECT_EQ(count, static_cast<int32_t>(c.want.size())) << rt::ToUtf8(c.pattern);
    ASSERT_EQ(files.size(), c.want.size() + 1) << "the array grows to the last index";
    EXPECT_EQ(files[0], u"") << "element 0 is never written";
    EXPECT_EQ(Sorted(Utf8({files.begin() + 1, files.end()})), c.want) << rt::ToUtf8(c.pattern);
  }
}

TEST_F(Tree, ReadDirAppendsBehindTheGivenCountAndWalksDepthFirst) {
  std::vector<rt::Text> files(100, u"old");
  const int32_t count = stdproc::yReadDir(Name(root + "/"), u"*.*", 1, files, 5);
  EXPECT_EQ(count, 10);
  EXPECT_EQ(files.size(), 100u) << "a larger array is left as it is";
  EXPECT_EQ(files[5], u"old");
  EXPECT_EQ(files[11], u"old");
  std::vector<std::string> found = Utf8({files.begin() + 6, files.begin() + 11});
  EXPECT_EQ(Sorted(found),
            Sorted({P("a.txt"), P("b.MP3"), P("noext"), P("sub/c.txt"), P("sub/deep/d.mp3")}));
  // The contents of a subdirectory stay together, at the point where it was met.
  auto c = std::find(found.begin(), found.end(), P("sub/c.txt"));
  auto d = std::find(found.begin(), found.end(), P("sub/deep/d.mp3"));
  EXPECT_EQ(std::abs(std::distance(c, d)), 1);
}

TEST_F(Tree, ReadDirOfAnUnreadableDirectoryKeepsTheCount) {
  std::vector<rt::Text> files;
  EXPECT_EQ(stdproc::yReadDir(Name(root + "/missing"), u"", 1, files, 3), 3);
  fs::permissions(root + "/sub", fs::perms::none);
  testsupport::OpenForOthers(dir.path());
  testsupport::OpenForOthers(root);
  const int found = testsupport::RunUnprivileged([&] {
    std::vector<rt::Text> seen;
    return stdproc::yReadDir(Name(root), u"", 1, seen, 0);
  });
  fs::permissions(root + "/sub", fs::perms::owner_all);
  EXPECT_EQ(found, 3) << "the files of the top level, the closed subdirectory skipped";
}

TEST_F(Tree, ReadDirListCollectsFilesOrDirectories) {
  struct Case {
    int32_t mode;
    rt::Text pattern;
    std::vector<std::string> want;
  };
  const std::vector<Case> cases = {
      {0, u"", {P("a.txt"), P("b.MP3"), P("noext")}},
      {1, u"*.txt", {P("a.txt"), P("sub/c.txt")}},
      {1, u"*", {P("a.txt"), P("b.MP3"), P("noext"), P("sub/c.txt"), P("sub/deep/d.mp3")}},
      {-2, u"*", {P("other"), P("sub")}},
      {-2, u"s*", {P("sub")}},
      {-1, u"*", {P("other"), P("sub"), P("sub/deep")}},
      {-1, u"d*", {P("sub/deep")}},  // descends into subdirectories that do not match
      {7, u"*.mp3", {P("b.MP3")}},
  };
  for (const Case& c : cases) {
    rt::List<rt::Text> list;
    const int32_t count = stdproc::yReadDirList(Name(root), c.pattern, c.mode, list, 0, -1);
    EXPECT_EQ(count, static_cast<int32_t>(c.want.size())) << c.mode;
    EXPECT_EQ(Sorted(ListContent(list)), c.want) << c.mode << " " << rt::ToUtf8(c.pattern);
  }
}

TEST_F(Tree, ReadDirListClearsOrAppends) {
  rt::List<rt::Text> list;
  for (const char16_t* old : {u"x", u"y", u"z"}) rt::ListAdd(list) = old;
  EXPECT_EQ(stdproc::yReadDirList(Name(root), u"*.txt", 0, list, 3, -1), 4);
  EXPECT_EQ(ListContent(list), (std::vector<std::string>{"x", "y", "z", P("a.txt")}));

  EXPECT_EQ(stdproc::yReadDirList(Name(root), u"*.txt", 0, list, 0, -1), 1);
  EXPECT_EQ(ListContent(list), (std::vector<std::string>{P("a.txt")}));

  EXPECT_EQ(stdproc::yReadDirList(Name(root), u"*.txt", 0, list, -4, -1), 1);
  EXPECT_EQ(ListContent(list), (std::vector<std::string>{P("a.txt")}));

  EXPECT_EQ(stdproc::yReadDirList(Name(root + "/missing"), u"", 1, list, 1, -1), 1);
}

TEST(ReadDirList, EmptyPathListsTheCurrentDirectoryWithRelativeNames) {
  TempDir dir;
  WriteFileBytes(dir / "here.txt", "x");
  const fs::path previous = fs::current_path();
  fs::current_path(dir.path());
  rt::List<rt::Text> list;
  const int32_t count = stdproc::yReadDirList(u"", u"*.txt", 0, list, 0, -1);
  std::vector<rt::Text> files;
  const int32_t arrayCount = stdproc::yReadDir(u"", u"*.txt", 0, files, 0);
  fs::current_path(previous);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(ListContent(list), std::vector<std::string>{"here.txt"});
  ASSERT_EQ(arrayCount, 1);
  EXPECT_EQ(files[1], u"here.txt");
}

TEST(ReadDirList, ConsoleProgressAtEveryThousandFound) {
  TempDir dir;
  for (int i = 0; i < 2100; ++i) WriteFileBytes(dir / ("f" + std::to_string(i)), "");
  rt::OpenConsole();
  rt::List<rt::Text> list;
  testing::internal::CaptureStdout();
  const int32_t count = stdproc::yReadDirList(Name(dir.path().string()), u"", 0, list, -1, -2);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(count, 2100);
  // The line comes before each examined entry while the count stands at 1000 or 2000.
  EXPECT_EQ(out, "ermittel Dateien   =1000\nermittel Dateien   =2000\n");
}

}  // namespace

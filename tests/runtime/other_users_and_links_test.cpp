// What only a POSIX system has: files and directories closed to other users, which root
// passes over (so the checks run as "nobody"), and symbolic links.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "runtime/files.h"
#include "runtime/filesystem.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

rt::Text Name(const std::string& path) { return rt::FromUtf8(path); }

TEST(OtherUsers, UnreadableFilesDoNotOpen) {
  TempDir dir;
  const std::string path = dir / "secret.txt";
  WriteFileBytes(path, "secret");
  fs::permissions(path, fs::perms::none);
  testsupport::OpenForOthers(dir.path());
  EXPECT_EQ(testsupport::RunUnprivileged([&] {
              return rt::FileOpenRead(rt::AnyNumber, Name(path)) == 0 &&
                             rt::FileOpen(rt::AnyNumber, Name(path)) == 0 &&
                             rt::FileCreate(rt::AnyNumber, Name(path)) == 0
                         ? 0
                         : 1;
            }),
            0);
  rt::FileCloseAll();
}

TEST(OtherUsers, UnreadableDirectoriesDoNotList) {
  TempDir dir;
  fs::create_directory(dir.path() / "closed");
  fs::permissions(dir.path() / "closed", fs::perms::none);
  testsupport::OpenForOthers(dir.path());
  const std::string closed = dir / "closed";
  EXPECT_EQ(testsupport::RunUnprivileged(
                [&] { return rt::DirExamine(rt::AnyNumber, Name(closed), u"") == 0 ? 0 : 1; }),
            0);
}

TEST(Links, ALinkToADirectoryIsListedAsAFile) {
  TempDir dir;
  fs::create_directory(dir.path() / "sub");
  fs::create_symlink(dir.path() / "sub", dir.path() / "link");
  const int32_t listing = rt::DirExamine(rt::AnyNumber, Name(dir.path().string()), u"l*");
  ASSERT_NE(listing, 0);
  ASSERT_TRUE(rt::DirNextEntry(listing));
  EXPECT_EQ(rt::DirEntryName(listing), u"link");
  EXPECT_EQ(rt::DirEntryType(listing), rt::EntryFile);
  EXPECT_FALSE(rt::DirNextEntry(listing));
  rt::DirFinish(listing);
}

}  // namespace

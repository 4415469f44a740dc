// The one-line log writer: append or replace, time stamps, escapes, directories, failures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/runtime.h"
#include "stdproc/log/log.h"
#include "support/platform_expectations.h"
#include "support/recorded_messages.h"
#include "support/temp_dir.h"
#include "support/text_shape.h"

namespace {

namespace fs = std::filesystem;
using stdproc::yLogFileWrite;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

rt::Text Name(const std::string& path) { return rt::FromUtf8(path); }

TEST(LogFileWrite, AppendsOrReplacesByMode) {
  struct Case {
    rt::Text mode;
    std::string before, after;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"#ADD", "old\r\n", "old\r\nline\r\n"},
           {u"#add", "old\r\n", "old\r\nline\r\n"},
           {u"x#Add y", "old\r\n", "old\r\nline\r\n"},
           {u"#ADD", "no line end", "no line endline\r\n"},
           {u"#ADD", "", "line\r\n"},
           {u"", "old\r\nmore\r\n", "line\r\n"},
           {u"#ANYTHING", "old\r\n", "line\r\n"},
       }) {
    TempDir dir;
    WriteFileBytes(dir / "log.txt", c.before);
    EXPECT_EQ(yLogFileWrite(c.mode, Name(dir / "log.txt"), u"line", 0), 1);
    EXPECT_EQ(ReadFileBytes(dir / "log.txt"), c.after) << rt::ToUtf8(c.mode);
  }
}

TEST(LogFileWrite, CreatesMissingDirectoriesAndStampsTheLine) {
  TempDir dir;
  const std::string file = dir / "new/deeper/log.txt";
  EXPECT_EQ(yLogFileWrite(u"#ADD#TS", Name(file), u"Grüße", 0), 1);
  const std::string content = ReadFileBytes(file);
  EXPECT_TRUE(testsupport::MatchesShape(content,
                                        "####-##-##-##.##.## Gr\xC3\xBC\xC3\x9F"
                                        "e\r\n"))
      << content;
  EXPECT_EQ(content.substr(0, 4), rt::ToUtf8(rt::DateFormat(u"%yyyy", rt::DateNow())));
}

TEST(LogFileWrite, BackslashApostropheBecomesADoubleQuote) {
  TempDir dir;
  EXPECT_EQ(yLogFileWrite(u"", Name(dir / "q.txt"), u"say \\'x\\' and \\ '", 0), 1);
  EXPECT_EQ(ReadFileBytes(dir / "q.txt"), "say \"x\" and \\ '\r\n");
}

TEST(LogFileWrite, RelativeFileNamesLandInTheCurrentDirectory) {
  TempDir dir;
  const fs::path previous = fs::current_path();
  fs::current_path(dir.path());
  const int32_t result = yLogFileWrite(u"#ADD", u"plain.txt", u"here", 0);
  fs::current_path(previous);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(ReadFileBytes(dir / "plain.txt"), "here\r\n");
}

TEST(LogFileWrite, FilesThatCannotBeWrittenGiveZero) {
  TempDir dir;
  fs::create_directory(dir.path() / "adir");
  WriteFileBytes(dir / "blocker", "x");
  WriteFileBytes(dir / "held.txt", "kept\r\n");
  const int32_t holder = rt::FileOpen(rt::AnyNumber, Name(dir / "held.txt"));
  ASSERT_NE(holder, 0);
  std::vector<std::string> files = {dir / "adir", dir / "blocker/below.txt", dir / "held.txt"};
  if (*testsupport::kFullDevice) files.emplace_back(testsupport::kFullDevice);
  for (const std::string& file : files) {
    for (const rt::Text& mode : {rt::Text(u"#ADD"), rt::Text(u"")}) {
      EXPECT_EQ(yLogFileWrite(mode, Name(file), u"line", 0), 0) << file;
    }
  }
  rt::FileClose(holder);
  EXPECT_EQ(ReadFileBytes(dir / "held.txt"), "kept\r\n") << "another writer's file stays as it was";
}

TEST(LogFileWrite, AFailureIsShownOnlyWhenAsked) {
  testsupport::RecordedMessages boxes;
  TempDir dir;
  fs::create_directory(dir.path() / "adir");
  EXPECT_EQ(yLogFileWrite(u"", Name(dir / "adir"), u"line", 0), 0);
  EXPECT_EQ(boxes.Take(), "");
  EXPECT_EQ(yLogFileWrite(u"", Name(dir / "adir"), u"line", 1), 0);
  EXPECT_EQ(boxes.Take(), "yLogFileWrite: Fehler: Datei konnte nicht geöffnet werden !\n");
}

}  // namespace

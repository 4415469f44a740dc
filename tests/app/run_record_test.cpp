// The run record in "lauf.txt" and the user name from "user.txt", through the real program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "runtime/runtime.h"
#include "support/process.h"
#include "support/temp_dir.h"
#include "support/text_shape.h"
#include "support/unprivileged.h"

namespace {

namespace fs = std::filesystem;
using testsupport::MatchesShape;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

const fs::path kPendrel = PENDREL_TEST_BINARY_DIR "/src/pendrel";
// The time of the start in the run record.
const std::string kStamp = "####-##-##-##:##:##";

rt::Text Now() { return rt::DateFormat(u"%yyyy-%mm-%dd-%hh:%ii:%ss", rt::DateNow()); }

// A copy of the program in a directory of its own ("bin"), run from another ("work").
class RunRecord : public ::testing::Test {
 protected:
  RunRecord() : bin(dir.path() / "bin"), work(dir.path() / "work") {
    fs::create_directory(bin);
    fs::create_directory(work);
    fs::copy_file(kPendrel, bin / "pendrel");
  }

  testsupport::RunResult Start(const fs::path& program, bool trace = false) {
    return Start(std::vector<std::string>{program.string()}, trace);
  }
  testsupport::RunResult Start(const std::vector<std::string>& argv, bool trace = false) {
    return testsupport::Run(argv, Options(work, trace));
  }
  static testsupport::ProcessOptions Options(const fs::path& from, bool trace = false) {
    testsupport::ProcessOptions options;
    options.workingDirectory = from;
    options.env["USER"] = "user1";
    options.env["PENDREL_TRACE"] = trace ? std::optional<std::string>("1") : std::nullopt;
    return options;
  }

  // Runs the copy in bin and checks the one record line it should have appended to
  // `where` (a "lauf.txt"), with the time of the run.
  void ExpectRecord(const fs::path& where, const std::string& name) {
    const std::string before = rt::ToUtf8(Now());
    const testsupport::RunResult run = Start(bin / "pendrel");
    const std::string after = rt::ToUtf8(Now());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string record = ReadFileBytes(where);
    ASSERT_TRUE(MatchesShape(record, kStamp + ";Pendrel;" + name + ";user1\r\n"))
        << "[" << record << "]";
    EXPECT_LE(before, record.substr(0, kStamp.size()));
    EXPECT_GE(after, record.substr(0, kStamp.size()));
  }

  TempDir dir;
  fs::path bin, work;
};

TEST_F(RunRecord, WithoutUserFileTheLoginNameIsTheUserName) {
  ExpectRecord(bin / "lauf.txt", "user1");
  EXPECT_FALSE(fs::exists(work / "lauf.txt"));
}

TEST_F(RunRecord, UserFileGivesTheDisplayName) {
  struct Case {
    std::string name, userFile, want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"utf-8", "[Standard]\r\nUSER1=J\xC3\xB6rg\r\n", "J\xC3\xB6rg"},
           {"utf-8 with mark", "\xEF\xBB\xBF[Standard]\r\nuser1 = J\xC3\xB6rg \r\n", "J\xC3\xB6rg"},
           {"windows-1252", "[standard]\r\n  User1 =  Test User  \r\n", "Test User"},
           {"windows-1252 umlaut", "[Standard]\nUSER1=J\xF6rg\n", "J\xC3\xB6rg"},
           {"other key", "[Standard]\r\nUSER2=Someone\r\n", "user1"},
           {"other group", "[Extra]\r\nUSER1=Someone\r\n", "user1"},
       }) {
    SCOPED_TRACE(c.name);
    fs::remove(bin / "lauf.txt");
    WriteFileBytes(bin / "user.txt", c.userFile);
    ExpectRecord(bin / "lauf.txt", c.want);
  }
}

TEST_F(RunRecord, EveryStartAppendsOneLine) {
  WriteFileBytes(bin / "lauf.txt", "earlier line\r\n");
  ASSERT_EQ(Start(bin / "pendrel").exitCode, 0);
  ASSERT_EQ(Start(bin / "pendrel").exitCode, 0);
  const std::string records = ReadFileBytes(bin / "lauf.txt");
  const std::string record = kStamp + ";Pendrel;user1;user1\r\n";
  EXPECT_TRUE(MatchesShape(records, "earlier line\r\n" + record + record)) << records;
}

TEST_F(RunRecord, GoesToTheCurrentDirectoryWhenTheExecutableDirectoryRefusesIt) {
  // lauf.txt beside the program cannot be a file: something else stands in its place.
  fs::create_directory(bin / "lauf.txt");
  ExpectRecord(work / "lauf.txt", "user1");
}

TEST_F(RunRecord, GoesToTheCurrentDirectoryWhenTheExecutableDirectoryIsReadOnly) {
  fs::permissions(bin, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  fs::permissions(work, fs::perms::all);
  testsupport::OpenForOthers(dir.path());
  // Root writes regardless of permissions, so the program runs as "nobody" then.
  const std::string before = rt::ToUtf8(Now());
  const testsupport::RunResult run = geteuid() == 0
                                         ? Start({"setpriv", "--reuid=nobody", "--regid=nogroup",
                                                  "--clear-groups", (bin / "pendrel").string()})
                                         : Start(bin / "pendrel");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_FALSE(fs::exists(bin / "lauf.txt"));
  const std::string record = ReadFileBytes(work / "lauf.txt");
  EXPECT_TRUE(MatchesShape(record, kStamp + ";Pendrel;user1;user1\r\n")) << record;
  EXPECT_LE(before, record.substr(0, before.size()));
}

TEST_F(RunRecord, GoesToTheCurrentDirectoryWhileAnotherCopyWritesTheRecord) {
  WriteFileBytes(bin / "lauf.txt", "held\r\n");
  const int32_t held = rt::FileOpen(rt::AnyNumber, rt::FromUtf8((bin / "lauf.txt").string()));
  ASSERT_NE(held, 0);
  ExpectRecord(work / "lauf.txt", "user1");
  rt::FileClose(held);
  EXPECT_EQ(ReadFileBytes(bin / "lauf.txt"), "held\r\n");
}

TEST_F(RunRecord, WaitsForACopyThatIsWritingTheRecord) {
  WriteFileBytes(bin / "lauf.txt", "held\r\n");
  const int32_t held = rt::FileOpen(rt::AnyNumber, rt::FromUtf8((bin / "lauf.txt").string()));
  ASSERT_NE(held, 0);
  testsupport::Process run({(bin / "pendrel").string()}, Options(work));
  usleep(500 * 1000);
  rt::FileClose(held);
  EXPECT_EQ(run.Wait(std::chrono::seconds(60)), 0);
  const std::string records = ReadFileBytes(bin / "lauf.txt");
  EXPECT_TRUE(MatchesShape(records, "held\r\n" + kStamp + ";Pendrel;user1;user1\r\n")) << records;
  EXPECT_FALSE(fs::exists(work / "lauf.txt"));
}

TEST_F(RunRecord, FiftyCopiesAtOnceLeaveFiftyRecords) {
  // Run beside the program, so that both places name the same file.
  constexpr int kCopies = 50;
  std::vector<std::unique_ptr<testsupport::Process>> runs;
  for (int i = 0; i < kCopies; ++i) {
    runs.push_back(std::make_unique<testsupport::Process>(
        std::vector<std::string>{(bin / "pendrel").string()}, Options(bin)));
  }
  for (auto& run : runs) EXPECT_EQ(run->Wait(std::chrono::seconds(60)), 0);
  std::string want;
  for (int i = 0; i < kCopies; ++i) want += kStamp + ";Pendrel;user1;user1\r\n";
  const std::string records = ReadFileBytes(bin / "lauf.txt");
  EXPECT_TRUE(MatchesShape(records, want)) << records;
}

TEST_F(RunRecord, WithoutAnyWritablePlaceTheProgramStillRuns) {
  fs::create_directory(bin / "lauf.txt");
  fs::create_directory(work / "lauf.txt");
  const testsupport::RunResult run = Start(bin / "pendrel");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(fs::is_empty(bin / "lauf.txt"));
  EXPECT_TRUE(fs::is_empty(work / "lauf.txt"));
}

TEST_F(RunRecord, DevelopmentRunUsesTheCurrentDirectoryForBoth) {
  fs::copy_file(kPendrel, bin / "pendrel_devrunner");
  WriteFileBytes(work / "user.txt", "[Standard]\r\nUSER1=Dev\r\n");
  const testsupport::RunResult run = Start(bin / "pendrel_devrunner");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_FALSE(fs::exists(bin / "lauf.txt"));
  const std::string record = ReadFileBytes(work / "lauf.txt");
  EXPECT_TRUE(MatchesShape(record, kStamp + ";Pendrel;Dev;user1\r\n")) << record;
}

TEST_F(RunRecord, InstanceCountIncludesOtherRunningCopies) {
  // Another process whose executable has the same file name as the program copy.
  const fs::path other = work / ("pendrel-" + std::to_string(getpid()));
  const fs::path copy = bin / other.filename();
  fs::copy_file("/bin/sleep", other);
  fs::copy_file(kPendrel, copy);
  const testsupport::RunResult alone = Start(copy, true);
  EXPECT_NE(alone.err.find("uPgmInstanz=1\n"), std::string::npos) << alone.err;

  testsupport::Process sleeper({other.string(), "60"});
  const fs::path sleeperExe = "/proc/" + std::to_string(sleeper.pid()) + "/exe";
  std::error_code unreadable;
  for (int i = 0; i < 200 && fs::read_symlink(sleeperExe, unreadable) != other; ++i) usleep(10000);
  const testsupport::RunResult second = Start(copy, true);
  EXPECT_NE(second.err.find("uPgmInstanz=2\n"), std::string::npos) << second.err;
}

}  // namespace

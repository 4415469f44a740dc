// Counting the running copies of a program by its executable's file name.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "stdproc/env/env.h"
#include "support/platform_expectations.h"
#include "support/process.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::Process;
using testsupport::TempDir;

// Copies of a program that only waits, under a name no other process has.
class Copies : public ::testing::Test {
 protected:
  Copies()
      : name("PgmCopy" + dir.path().filename().string().substr(13) + testsupport::kProgramSuffix),
        program(dir.path() / name) {
    fs::copy_file(PENDREL_TEST_SLEEPER, program);
  }
  void Start(int copies) {
    for (int i = 0; i < copies; ++i)
      running.push_back(
          std::make_unique<Process>(std::vector<std::string>{program.string(), "60"}));
  }
  // The count once every started copy runs.
  int32_t SettledCount(rt::TextView asked, int32_t mode, int32_t expected) {
    int32_t count = -1;
    for (int i = 0; i < 200 && count != expected; ++i) {
      count = stdproc::yPgmInstanzen(asked, mode);
      if (count != expected) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return count;
  }

  TempDir dir;
  std::string name;
  fs::path program;
  std::vector<std::unique_ptr<Process>> running;
};

TEST_F(Copies, CountsEveryRunningCopyInAnyLetterCase) {
  const rt::Text asked = rt::FromUtf8(name);
  EXPECT_EQ(stdproc::yPgmInstanzen(asked, 1), 0);
  Start(2);
  EXPECT_EQ(SettledCount(asked, 1, 2), 2);
  EXPECT_EQ(stdproc::yPgmInstanzen(rt::TextUpper(asked), 1), 2);
  EXPECT_EQ(stdproc::yPgmInstanzen(rt::TextLower(asked), 7), 2);
  EXPECT_EQ(stdproc::yPgmInstanzen(asked, 0), 1) << "mode 0 stops at the first";
  EXPECT_EQ(stdproc::yPgmInstanzen(asked + u"x", 1), 0);
  EXPECT_EQ(stdproc::yPgmInstanzen(u"", 1), 0);
  running.pop_back();
  EXPECT_EQ(SettledCount(asked, 1, 1), 1);
}

TEST(Instances, TheTestProgramFindsItself) {
  const std::string self = fs::path(rt::ToUtf8(stdproc::yGetExeDatei())).filename().string();
  ASSERT_FALSE(self.empty());
  EXPECT_GE(stdproc::yPgmInstanzen(rt::FromUtf8(self), 1), 1);
}

}  // namespace

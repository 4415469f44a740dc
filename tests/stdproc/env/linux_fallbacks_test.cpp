// Where Linux has no variable of Windows' name: the login name from LOGNAME or the user
// database, the configuration directory below HOME, the root as "//", /proc/self/exe, and
// the running programs read from /proc.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "runtime/text.h"
#include "scoped_env.h"
#include "stdproc/env/env.h"
#include "support/process.h"
#include "support/temp_dir.h"

using namespace stdproc;

TEST(LinuxFallbacks, UserAndConfigurationDirectory) {
  ScopedEnv env;
  env.Set("USER", nullptr);
  env.Set("LOGNAME", "lg");
  EXPECT_EQ(yGetUserId(), u"lg");
  env.Set("LOGNAME", nullptr);
  EXPECT_FALSE(yGetUserId().empty());  // from the user database

  env.Set("XDG_CONFIG_HOME", nullptr);
  env.Set("HOME", "/home/u");
  EXPECT_EQ(yGetAnwVerzBase(), u"/home/u/.config");
}

TEST(LinuxFallbacks, RootAndExecutable) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path("/");
  EXPECT_EQ(yGetAktVerz(), u"//");
  std::filesystem::current_path(previous);
  // The executable path keeps its letter case.
  EXPECT_EQ(yGetExeDatei(), rt::FromUtf8(std::filesystem::read_symlink("/proc/self/exe").string()));
}

// /proc names a running program whose file was removed with a " (deleted)" suffix.
TEST(LinuxFallbacks, ARunningCopyWhoseFileWasRemovedStillCounts) {
  testsupport::TempDir dir;
  const std::string name = "PgmGone" + dir.path().filename().string().substr(13);
  std::filesystem::copy_file(PENDREL_TEST_SLEEPER, dir.path() / name);
  testsupport::Process copy({(dir.path() / name).string(), "60"});
  int32_t count = 0;
  for (int i = 0; i < 200 && count != 1; ++i) {
    count = yPgmInstanzen(rt::FromUtf8(name), 1);
    if (count != 1) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_EQ(count, 1);
  std::filesystem::remove(dir.path() / name);
  EXPECT_EQ(yPgmInstanzen(rt::FromUtf8(name), 1), 1);
}

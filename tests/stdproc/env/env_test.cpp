#include "stdproc/env/env.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "runtime/text.h"
#include "scoped_env.h"
#include "support/platform_expectations.h"
#include "support/temp_dir.h"

using namespace stdproc;
using testsupport::kSeparator;

TEST(TempDirectory, FallsBackInOrderAndAppendsOneSeparator) {
  const std::u16string dir = u"C:" + std::u16string(1, kSeparator) + u"tmp";
  const std::u16string withSeparator = dir + kSeparator;
  struct Case {
    const char *temp, *tmp, *tmpdir;
    std::u16string want;
  };
  const std::string dir8 = rt::ToUtf8(dir), withSeparator8 = rt::ToUtf8(withSeparator);
  for (const Case& c : std::initializer_list<Case>{
           {dir8.c_str(), nullptr, nullptr, withSeparator},
           {withSeparator8.c_str(), nullptr, nullptr, withSeparator},
           {"", dir8.c_str(), nullptr, withSeparator},
           {nullptr, nullptr, dir8.c_str(), testsupport::kTmpdirCounts ? withSeparator : u""},
           {"   ", dir8.c_str(), nullptr, u""},  // spaces count as a value, so TMP is not asked
           {nullptr, nullptr, nullptr, u""},
       }) {
    ScopedEnv env;
    env.Set("TEMP", c.temp);
    env.Set("TMP", c.tmp);
    env.Set("TMPDIR", c.tmpdir);
    EXPECT_EQ(yGetTempVerz(), c.want) << (c.temp ? c.temp : "(unset)");
  }
}

TEST(Environment, ValuesUserAndApplicationData) {
  ScopedEnv env;
  const std::string longValue(255, 'x');
  env.Set("PENDREL_TEST_LONG", longValue.c_str());
  EXPECT_EQ(rt::ToUtf8(yGetEnv(u"PENDREL_TEST_LONG")), longValue);
  env.Set("PENDREL_TEST_SPACES", "  a  ");
  EXPECT_EQ(yGetEnv(u"PENDREL_TEST_SPACES"), u"  a  ");
  EXPECT_EQ(yGetEnv(u"PENDREL_TEST_UNSET_VARIABLE"), u"");

  env.Set(testsupport::kUserVariable, "jörg");
  EXPECT_EQ(yGetUserId(), u"jörg");
  env.Set(testsupport::kAppDataVariable, "C:\\Daten");
  EXPECT_EQ(yGetAnwVerzBase(), u"C:\\Daten");
}

TEST(Directories, CurrentDirectoryEndsInTheSeparator) {
  testsupport::TempDir dir;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const rt::Text current = yGetAktVerz();
  std::filesystem::current_path(previous);
  EXPECT_EQ(current, rt::Text(dir.path().u16string()) + kSeparator);
}

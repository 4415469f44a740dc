#include "stdproc/env/env.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "runtime/text.h"
#include "support/environment.h"
#include "support/temp_dir.h"

using namespace stdproc;

namespace {

// Sets or removes variables for one test and restores them afterwards.
class ScopedEnv {
 public:
  void Set(const char* name, const char* value) {
    Remember(name);
    testsupport::SetEnvironment(name, value ? std::optional<std::string>(value) : std::nullopt);
  }
  ~ScopedEnv() {
    for (auto& [name, value] : saved_) testsupport::SetEnvironment(name, value);
  }

 private:
  void Remember(const char* name) {
    if (saved_.count(name)) return;
    const char* old = getenv(name);
    saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
  }
  std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace

TEST(TempDirectory, FallsBackInOrderAndAppendsOneSeparator) {
  struct Case {
    const char *temp, *tmp, *tmpdir;
    const char16_t* want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"/var/tmp", nullptr, nullptr, u"/var/tmp/"},
           {"/var/tmp/", nullptr, nullptr, u"/var/tmp/"},
           {"", "/d/t", nullptr, u"/d/t/"},
           {nullptr, nullptr, "/x", u"/x/"},
           {"   ", "/d/t", nullptr, u""},  // spaces count as a value, so TMP is not asked
           {nullptr, nullptr, nullptr, u""},
       }) {
    ScopedEnv env;
    env.Set("TEMP", c.temp);
    env.Set("TMP", c.tmp);
    env.Set("TMPDIR", c.tmpdir);
    EXPECT_EQ(yGetTempVerz(), c.want) << (c.temp ? c.temp : "(unset)");
  }
}

TEST(Environment, ValuesUserAndConfigDirectory) {
  ScopedEnv env;
  std::string longValue(300, 'x');
  env.Set("PENDREL_TEST_LONG", longValue.c_str());
  EXPECT_EQ(rt::ToUtf8(yGetEnv(u"PENDREL_TEST_LONG")), longValue);
  env.Set("PENDREL_TEST_SPACES", "  a  ");
  EXPECT_EQ(yGetEnv(u"PENDREL_TEST_SPACES"), u"  a  ");
  EXPECT_EQ(yGetEnv(u"PENDREL_TEST_UNSET_VARIABLE"), u"");

  env.Set("USER", "jörg");
  EXPECT_EQ(yGetUserId(), u"jörg");
  env.Set("USER", nullptr);
  env.Set("LOGNAME", "lg");
  EXPECT_EQ(yGetUserId(), u"lg");
  env.Set("LOGNAME", nullptr);
  EXPECT_FALSE(yGetUserId().empty());  // from the user database

  env.Set("XDG_CONFIG_HOME", "/cfg");
  EXPECT_EQ(yGetAnwVerzBase(), u"/cfg");
  env.Set("XDG_CONFIG_HOME", nullptr);
  env.Set("HOME", "/home/u");
  EXPECT_EQ(yGetAnwVerzBase(), u"/home/u/.config");
}

TEST(Directories, CurrentAndExecutable) {
  testsupport::TempDir dir;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  EXPECT_EQ(yGetAktVerz(), rt::FromUtf8(dir.path().string()) + u"/");
  std::filesystem::current_path("/");
  EXPECT_EQ(yGetAktVerz(), u"//");
  std::filesystem::current_path(previous);
  // The executable path keeps its letter case.
  EXPECT_EQ(yGetExeDatei(), rt::FromUtf8(std::filesystem::read_symlink("/proc/self/exe").string()));
}

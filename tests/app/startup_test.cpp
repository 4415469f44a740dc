#include <gtest/gtest.h>

#include <filesystem>

#include "support/process.h"
#include "support/temp_dir.h"

namespace {

const std::string kPendrel = PENDREL_TEST_BINARY_DIR "/src/pendrel";

}  // namespace

TEST(Startup, TracesTheStandardVariablesAndExitsZero) {
  testsupport::TempDir dir;
  std::filesystem::copy_file(kPendrel, dir.path() / "pendrel");
  testsupport::ProcessOptions options;
  options.workingDirectory = dir.path();
  options.env["PENDREL_TRACE"] = "1";
  options.env["USER"] = "user1";
  auto run = testsupport::Run({(dir.path() / "pendrel").string()}, options);
  ASSERT_TRUE(run.exitCode.has_value());
  EXPECT_EQ(*run.exitCode, 0);
  EXPECT_NE(run.err.find("--- Start " + std::string(155, '-')), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Anwendung   =Pendrel"), std::string::npos);
  EXPECT_NE(run.err.find("uExePgm=pendrel\n"), std::string::npos);
  EXPECT_NE(run.err.find("uExeVerz=" + dir.path().string() + "/\n"), std::string::npos);
  EXPECT_NE(run.err.find("uUserId=user1\n"), std::string::npos);
  EXPECT_NE(run.err.find("Programm läuft als Test = Nein"), std::string::npos);
}

TEST(Startup, DevelopmentRunIsRecognisedByTheFileNameOnly) {
  testsupport::TempDir dir;
  std::filesystem::create_directory(dir.path() / "devrunner");
  std::filesystem::copy_file(kPendrel, dir.path() / "devrunner" / "pendrel");
  std::filesystem::copy_file(kPendrel, dir.path() / "Pendrel_DevRunner");
  testsupport::ProcessOptions options;
  options.workingDirectory = dir.path();
  options.env["PENDREL_TRACE"] = "1";
  // Without a source to document, the development run reports that on standard error
  // instead of a box that would wait for a click.
  options.env["DISPLAY"] = std::nullopt;
  options.env["WAYLAND_DISPLAY"] = std::nullopt;

  auto inDirectory = testsupport::Run({(dir.path() / "devrunner" / "pendrel").string()}, options);
  EXPECT_EQ(inDirectory.exitCode, 0);
  EXPECT_NE(inDirectory.err.find("Programm läuft als Test = Nein"), std::string::npos);

  auto byName = testsupport::Run({(dir.path() / "Pendrel_DevRunner").string()}, options);
  EXPECT_EQ(byName.exitCode, 0);
  EXPECT_NE(byName.err.find("Programm läuft als Test = ja"), std::string::npos);
}

TEST(Startup, SilentWithoutTheTraceVariable) {
  testsupport::TempDir dir;
  std::filesystem::copy_file(kPendrel, dir.path() / "pendrel");
  testsupport::ProcessOptions options;
  options.workingDirectory = dir.path();
  options.env["PENDREL_TRACE"] = std::nullopt;
  auto run = testsupport::Run({(dir.path() / "pendrel").string()}, options);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

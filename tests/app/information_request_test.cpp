// --help and --version answer and end without a run; other arguments change nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "support/process.h"
#include "support/temp_dir.h"

namespace {

const std::string kPendrel = PENDREL_TEST_BINARY_DIR "/src/pendrel";

testsupport::RunResult RunCopy(const testsupport::TempDir& dir,
                               std::vector<std::string> arguments) {
  const auto program = dir.path() / "pendrel";
  if (!std::filesystem::exists(program)) std::filesystem::copy_file(kPendrel, program);
  testsupport::ProcessOptions options;
  options.workingDirectory = dir.path();
  options.env["PENDREL_TRACE"] = std::nullopt;
  arguments.insert(arguments.begin(), program.string());
  return testsupport::Run(arguments, options);
}

}  // namespace

TEST(InformationRequest, AnswersWithoutARunRecord) {
  struct Case {
    std::vector<std::string> arguments;
    std::string starts;
  };
  for (const Case& c : std::initializer_list<Case>{
           {{"--version"}, "Pendrel V "},
           {{"--help"}, "Usage: pendrel [--help | --version]\n"},
           {{"/?"}, "Usage: pendrel"},
           {{"other", "--version", "--help"}, "Pendrel V "},
       }) {
    testsupport::TempDir dir;
    auto run = RunCopy(dir, c.arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind(c.starts, 0), 0u) << run.out;
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "lauf.txt")) << c.arguments[0];
  }
}

TEST(InformationRequest, TextsSayWhatAUserNeeds) {
  testsupport::TempDir dir;
  const std::string version = RunCopy(dir, {"--version"}).out;
  EXPECT_TRUE(std::regex_match(version, std::regex("Pendrel V [0-9]+\\.[0-9]+\n"))) << version;
  const std::string usage = RunCopy(dir, {"--help"}).out;
  for (const char* part : {"Server:  http", "PENDREL_TRACE=1", "hintergrund.jpg", "lauf.txt"}) {
    EXPECT_NE(usage.find(part), std::string::npos) << part;
  }
}

TEST(InformationRequest, OtherArgumentsStillRun) {
  testsupport::TempDir dir;
  auto run = RunCopy(dir, {"--verbose", "x"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "lauf.txt"));
}

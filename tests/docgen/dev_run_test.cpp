#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>

#include "doku_test_support.h"
#include "support/process.h"
#include "support/temp_dir.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

const std::filesystem::path kPendrel = PENDREL_TEST_BINARY_DIR "/src/pendrel";

// One record: a time stamp yyyy-mm-dd-hh:ii:ss, then the given rest.
bool IsRunRecord(const std::string& text, const std::string& rest) {
  const std::string shape = "dddd-dd-dd-dd:dd:dd";
  if (text.size() != shape.size() + rest.size() || !text.ends_with(rest)) return false;
  for (size_t i = 0; i < shape.size(); ++i) {
    const bool fits = shape[i] == 'd' ? std::isdigit(static_cast<unsigned char>(text[i])) != 0
                                      : text[i] == shape[i];
    if (!fits) return false;
  }
  return true;
}

// The real program, copied under the given name into a fresh directory holding the user
// table; runs there without a display, tracing to standard error.
class ProgramRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(kPendrel)) << "build the target pendrel first";
    WriteFileBytes(dir_.path() / "user.txt", "[Standard]\r\nUSER1=Test User\r\n");
  }

  testsupport::RunResult RunAs(const std::string& name) {
    std::filesystem::copy_file(kPendrel, dir_.path() / name);
    testsupport::ProcessOptions options;
    options.workingDirectory = dir_.path();
    options.env["PENDREL_TRACE"] = "1";
    options.env["USER"] = "user1";
    options.env["DISPLAY"] = std::nullopt;
    options.env["WAYLAND_DISPLAY"] = std::nullopt;
    return testsupport::Run({(dir_.path() / name).string()}, options);
  }

  void CopyProgramSource() { doku_test::CopyProgramSource(dir_.path() / "Pendrel.cpp"); }

  testsupport::TempDir dir_;
};

TEST_F(ProgramRun, DevelopmentRunWritesTheIncludeFromItsOwnSourceHeader) {
  CopyProgramSource();
  const auto run = RunAs("pendrel-DevRunner");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(dir_.path() / "Pendrel_doku.pbi"), doku_test::CommittedInclude());
  EXPECT_NE(run.err.find("StandardProc530/StandardRoutinen/s_GenerierenDokPbi: "
                         "Datei=Pendrel_doku.pbi für Anwendung Pendrel angelegt !\n"),
            std::string::npos)
      << run.err;
  // Nothing was there to delete: said so on the trace, and written all the same.
  EXPECT_NE(run.err.find("Datei=Pendrel_doku.pbi konnte nicht gelöscht werden !\n"),
            std::string::npos);
  // The current directory stands in for the executable's: the user table and run record
  // are the ones here.
  const std::string record = ReadFileBytes(dir_.path() / "lauf.txt");
  EXPECT_TRUE(IsRunRecord(record, ";Pendrel;Test User;user1\r\n")) << record;
}

TEST_F(ProgramRun, DevelopmentRunReplacesAnEarlierInclude) {
  CopyProgramSource();
  WriteFileBytes(dir_.path() / "Pendrel_doku.pbi", "alt\r\n");
  const auto run = RunAs("devrunner");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(dir_.path() / "Pendrel_doku.pbi"), doku_test::CommittedInclude());
  EXPECT_EQ(run.err.find("konnte nicht gelöscht werden"), std::string::npos) << run.err;
}

TEST_F(ProgramRun, DevelopmentRunWithoutItsSourceReportsAndGoesOn) {
  const auto run = RunAs("pendrel_devrunner");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.err.find("Pendrel: yGenerierenDokPbi: Datei=Pendrel.cpp konnte nicht geöffnet "
                         "werden !\n"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "Pendrel_doku.pbi"));
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "lauf.txt"));
}

TEST_F(ProgramRun, OrdinaryRunLeavesTheIncludeAlone) {
  CopyProgramSource();
  const auto run = RunAs("pendrel");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "Pendrel_doku.pbi"));
}

}  // namespace

#include "doku_test_support.h"

#include "runtime/text.h"
#include "support/environment.h"

namespace doku_test {

std::string Include(const std::string& version, const std::vector<std::string>& history,
                    const std::vector<std::string>& description) {
  std::string include =
      "#Doku=1\r\nProcedure.s zDoku(xFkt$)\r\nDefine vText$\r\nSelect xFkt$\r\n"
      "  Case \"V\"  ;.--- PgmVersion ---\r\n"
      "       vText$+\"  V " +
      version + "\"\r\n  Case \"A\"  ;.--- PgmAenderung ---\r\n";
  for (const std::string& entry : history) include += "       vText$+\"" + entry + "\"+#Nz\r\n";
  include += "  Case \"D\"  ;.--- PgmDoku ---\r\n";
  for (const std::string& entry : description) {
    include += "       vText$+\"" + entry + "\"+#Nz\r\n";
  }
  return include + "EndSelect\r\nProcedureReturn vText$\r\nEndProcedure \r\n";
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += rt::ToAnsi(rt::FromUtf8(line)) + "\r\n";
  return text;
}

std::string CommittedInclude() {
  return testsupport::ReadFileBytes(PENDREL_TEST_SOURCE_DIR "/src/app/Pendrel_doku.pbi");
}

void CopyProgramSource(const std::filesystem::path& file) {
  testsupport::WriteFileBytes(
      file,
      "\xEF\xBB\xBF" + testsupport::ReadFileBytes(PENDREL_TEST_SOURCE_DIR "/src/app/Pendrel.cpp"));
}

void InTempDirectory::SetUp() {
  previous_ = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  // Failure boxes then land on standard error, where the tests read them.
  testsupport::SetEnvironment("DISPLAY", std::nullopt);
  testsupport::SetEnvironment("WAYLAND_DISPLAY", std::nullopt);
}

void InTempDirectory::TearDown() { std::filesystem::current_path(previous_); }

}  // namespace doku_test

// cmake --install puts an XDG autostart entry that starts the installed program.
#include <gtest/gtest.h>

#include "support/process.h"
#include "support/temp_dir.h"

namespace {

TEST(AutostartEntry, StartsTheInstalledProgramAtLogin) {
  testsupport::TempDir stage;
  testsupport::ProcessOptions options;
  options.env["DESTDIR"] = stage.path().string();
  auto run = testsupport::Run(
      {"cmake", "--install", PENDREL_TEST_BINARY_DIR, "--component", "autostart"}, options);
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;

  std::vector<std::filesystem::path> entries;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(stage.path())) {
    if (entry.path().filename() == "pendrel.desktop") entries.push_back(entry.path());
  }
  ASSERT_EQ(entries.size(), 1u) << run.out;
  EXPECT_EQ(entries[0].parent_path().filename(), "autostart");
  EXPECT_EQ(entries[0].parent_path().parent_path().filename(), "xdg");

  const std::string text = testsupport::ReadFileBytes(entries[0]);
  EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u) << text;
  EXPECT_NE(text.find("\nType=Application\n"), std::string::npos) << text;
  const size_t exec = text.find("\nExec=/");
  ASSERT_NE(exec, std::string::npos) << text;
  const std::string program = text.substr(exec + 6, text.find('\n', exec + 1) - exec - 6);
  EXPECT_EQ(std::filesystem::path(program).filename(), "pendrel") << program;
  EXPECT_EQ(std::filesystem::path(program).parent_path().filename(), "bin") << program;
}

}  // namespace

// sway's IPC socket refusing what sway's own expansion would change, against a stand-in that
// records what it gets; tests/desktops shows the pictures on the real sway.
#include <gtest/gtest.h>

#include <memory>

#include "wallpaper_test_support.h"

namespace {

constexpr uint32_t kGreen = 0x10C020;

class SwayStandIn : public ::testing::Test {
 protected:
  SwayStandIn() {
    wallpapertest::WriteJpeg(site_.root() / "gruen.jpg", kGreen);
    site_.SetPage("gruen.jpg\r\n");
  }

  testsupport::RunResult RunPendrel(const std::filesystem::path& work,
                                    std::map<std::string, std::optional<std::string>> env) {
    std::filesystem::create_directories(work);
    auto run = wallpapertest::RunPendrel(work, site_.base(), env);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run;
  }

  // A stand-in for sway's IPC socket that prints each command it receives.
  static std::unique_ptr<testsupport::Process> StartSwayStub(const std::string& socket) {
    testsupport::ProcessOptions options;
    options.captureStdout = true;
    return std::make_unique<testsupport::Process>(
        std::vector<std::string>{testsupport::SystemPython(),
                                 PENDREL_TEST_SOURCE_DIR "/tests/wallpaper/peers/sway_ipc_stub.py",
                                 socket},
        options);
  }

  wallpapertest::ContentSite site_;
  testsupport::TempDir tmp_;
};

TEST_F(SwayStandIn, SwayRefusesPathsItsExpansionWouldChange) {
  const std::string socket = (tmp_.path() / "sway.sock").string();
  auto sway = StartSwayStub(socket);
  ASSERT_EQ(sway->ReadStdoutLine(std::chrono::seconds(30)), "READY");

  auto run = RunPendrel(tmp_.path() / "$(touch geworden)",
                        {{"SWAYSOCK", socket}, {"WAYLAND_DISPLAY", "wayland-1"}});
  EXPECT_NE(run.err.find("Verfahren sway fehlgeschlagen"), std::string::npos) << run.err;
  EXPECT_EQ(sway->ReadStdoutLine(std::chrono::milliseconds(500)), std::nullopt);
}

}  // namespace

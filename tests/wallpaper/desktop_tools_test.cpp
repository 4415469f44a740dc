// The real program in desktops it reaches through their own tools: the LXDE and LXQt file
// managers' command lines and sway's IPC socket (stand-ins that record what they get).
#include <gtest/gtest.h>

#include <memory>

#include "wallpaper_test_support.h"

namespace {

constexpr uint32_t kGreen = 0x10C020;

class DesktopTools : public ::testing::Test {
 protected:
  DesktopTools() {
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

TEST_F(DesktopTools, FileManagersGetThePathAsOneArgumentNeverThroughAShell) {
  const std::filesystem::path bin = tmp_.path() / "tools";
  std::filesystem::create_directories(bin);
  for (const char* tool : {"pcmanfm", "pcmanfm-qt"}) {
    std::filesystem::create_symlink(
        PENDREL_TEST_SOURCE_DIR "/tests/wallpaper/peers/record_arguments.py", bin / tool);
  }
  struct Case {
    const char* desktop;
    const char* tool;
    const char* backend;
  };
  for (const Case& c : {Case{"LXDE", "pcmanfm", "lxde"}, Case{"LXQt", "pcmanfm-qt", "lxqt"}}) {
    // A directory name a shell would act upon.
    const std::filesystem::path work = tmp_.path() / c.desktop / "a b;$(touch geworden)'\"";
    const std::string log = (tmp_.path() / (std::string(c.desktop) + ".log")).string();
    auto run = RunPendrel(work, {{"XDG_CURRENT_DESKTOP", c.desktop},
                                 {"PATH", bin.string() + ":" + std::getenv("PATH")},
                                 {"PENDREL_TEST_ARGUMENT_LOG", log}});
    EXPECT_NE(run.err.find(std::string("über ") + c.backend), std::string::npos) << run.err;
    const std::string picture = (work / "hintergrund.jpg").string();
    // The same path again would be ignored: first another spelling, then the usual one.
    EXPECT_EQ(testsupport::ReadFileBytes(log),
              "--set-wallpaper=" + (work / "." / "hintergrund.jpg").string() +
                  "\n\n--set-wallpaper=" + picture + "\n\n")
        << c.tool;
    EXPECT_FALSE(std::filesystem::exists(work / "geworden"));
    EXPECT_FALSE(std::filesystem::exists(work / "bin" / "geworden"));
  }
}

TEST_F(DesktopTools, SwayIsToldThroughItsIpcSocket) {
  const std::string socket = (tmp_.path() / "sway.sock").string();
  auto sway = StartSwayStub(socket);
  ASSERT_EQ(sway->ReadStdoutLine(std::chrono::seconds(30)), "READY");

  const std::filesystem::path work = tmp_.path() / "mit leerzeichen";
  auto run = RunPendrel(work, {{"XDG_CURRENT_DESKTOP", "sway"},
                               {"SWAYSOCK", socket},
                               {"WAYLAND_DISPLAY", "wayland-1"},
                               {"DISPLAY", ":99"}});
  EXPECT_NE(run.err.find("über sway"), std::string::npos) << run.err;
  EXPECT_EQ(sway->ReadStdoutLine(std::chrono::seconds(10)),
            "COMMAND 0 output * bg \"" + (work / "hintergrund.jpg").string() + "\" fill");
}

TEST_F(DesktopTools, SwayRefusesPathsItsExpansionWouldChange) {
  const std::string socket = (tmp_.path() / "sway.sock").string();
  auto sway = StartSwayStub(socket);
  ASSERT_EQ(sway->ReadStdoutLine(std::chrono::seconds(30)), "READY");

  auto run = RunPendrel(tmp_.path() / "$(touch geworden)",
                        {{"SWAYSOCK", socket}, {"WAYLAND_DISPLAY", "wayland-1"}});
  EXPECT_NE(run.err.find("Verfahren sway fehlgeschlagen"), std::string::npos) << run.err;
  EXPECT_EQ(sway->ReadStdoutLine(std::chrono::milliseconds(500)), std::nullopt);
}

}  // namespace

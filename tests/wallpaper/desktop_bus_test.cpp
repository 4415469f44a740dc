// The real program in desktop sessions whose settings live behind a private session bus:
// GNOME (GSettings with dconf), Cinnamon (its settings schema stood in for), XFCE (a real
// xfconfd) and KDE Plasma's absence. tests/desktops shows the pictures on the real desktops.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <set>

#include "support/dbus_session.h"
#include "support/xvfb.h"
#include "wallpaper_test_support.h"

namespace {

using testsupport::ProcessOptions;

constexpr uint32_t kGreen = 0x10C020;

// Settings, runtime and cache directories of their own, so nothing of the user's is read
// or written.
std::map<std::string, std::string> PrivateHome(const std::filesystem::path& home) {
  std::filesystem::create_directories(home / "run");
  chmod((home / "run").c_str(), 0700);
  return {{"HOME", home.string()},
          {"XDG_CONFIG_HOME", (home / "config").string()},
          {"XDG_CACHE_HOME", (home / "cache").string()},
          {"XDG_RUNTIME_DIR", (home / "run").string()},
          {"GSETTINGS_BACKEND", "dconf"}};
}

// The processes whose environment holds entry ("NAME=value"). Whatever a run starts (a bus,
// a settings service) inherits its environment, so a variable given only to that run
// finds what it left behind.
std::vector<pid_t> ProcessesWithEnvironment(const std::string& entry) {
  std::vector<pid_t> found;
  for (const auto& process : std::filesystem::directory_iterator("/proc")) {
    const std::string pid = process.path().filename();
    if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream in(process.path() / "environ", std::ios::binary);
    const std::string environment((std::istreambuf_iterator<char>(in)), {});
    if (('\0' + environment).find('\0' + entry + '\0') != std::string::npos) {
      found.push_back(std::stoi(pid));
    }
  }
  return found;
}

class DesktopBus : public ::testing::Test {
 protected:
  DesktopBus() : env_(PrivateHome(home_.path())), bus_(env_) {
    env_["DBUS_SESSION_BUS_ADDRESS"] = bus_.address();
    wallpapertest::WriteJpeg(site_.root() / "gruen.jpg", kGreen);
    site_.SetPage("gruen.jpg\r\n");
  }

  testsupport::RunResult RunPendrel(const std::string& desktop,
                                    std::map<std::string, std::optional<std::string>> env = {}) {
    env.insert(env_.begin(), env_.end());
    env["XDG_CURRENT_DESKTOP"] = desktop;
    auto run = wallpapertest::RunPendrel(work_.path(), site_.base(), env);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run;
  }

  // Runs a tool on the private bus; its standard output without the final line end.
  std::string Tool(const std::vector<std::string>& argv) {
    ProcessOptions options;
    for (const auto& [name, value] : env_) options.env[name] = value;
    auto run = testsupport::Run(argv, options);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    if (!run.out.empty() && run.out.back() == '\n') run.out.pop_back();
    return run.out;
  }

  std::string Picture() const { return (work_.path() / "hintergrund.jpg").string(); }

  testsupport::TempDir home_;
  std::map<std::string, std::string> env_;
  testsupport::DbusSession bus_;
  wallpapertest::ContentSite site_;
  testsupport::TempDir work_;
};

class GnomeDesktop : public DesktopBus {
 protected:
  std::string Get(const std::string& key) {
    return Tool({"gsettings", "get", "org.gnome.desktop.background", key});
  }
};

TEST_F(GnomeDesktop, BothPictureKeysHoldTheFileUri) {
  auto run = RunPendrel("ubuntu:GNOME");
  EXPECT_NE(run.err.find("über gnome"), std::string::npos) << run.err;
  EXPECT_EQ(Get("picture-uri"), "'file://" + Picture() + "'");
  EXPECT_EQ(Get("picture-uri-dark"), "'file://" + Picture() + "'");
}

// GNOME Shell watches the file it shows and loads it again when it is replaced; a change of
// the key would drop that watch, and the replaced file could then be missed. The desktop
// test of GNOME shows the new picture on screen.
TEST_F(GnomeDesktop, ASecondRunWithTheSamePathLeavesTheKeysAlone) {
  RunPendrel("GNOME");
  ProcessOptions options;
  options.captureStdout = true;
  for (const auto& [name, value] : env_) options.env[name] = value;
  testsupport::Process monitor({"gsettings", "monitor", "org.gnome.desktop.background"}, options);
  // Marks in the monitor's output: a change of another key, reported once the monitor
  // listens, in the order the settings service took the writes.
  int marks = 0;
  auto mark = [&] {
    const std::string colour = "#1020" + std::to_string(10 + marks++);
    Tool({"gsettings", "set", "org.gnome.desktop.background", "primary-color", colour});
    return "primary-color: '" + colour + "'";
  };
  std::optional<std::string> line;
  for (std::string sent; marks < 40 && line != sent;) {
    sent = mark();
    while ((line = monitor.ReadStdoutLine(std::chrono::milliseconds(500))) && *line != sent) {
    }
  }
  ASSERT_TRUE(line.has_value()) << "gsettings monitor reported nothing";

  RunPendrel("GNOME");
  const std::string after = mark();
  std::vector<std::string> reported;
  while ((line = monitor.ReadStdoutLine(std::chrono::seconds(10))) && *line != after) {
    reported.push_back(*line);
  }
  EXPECT_EQ(line, after);
  EXPECT_TRUE(reported.empty()) << reported.front();
  EXPECT_EQ(Get("picture-uri"), "'file://" + Picture() + "'");
}

// The X root stands in when the desktop's settings cannot take the picture.
class GnomeSettingsOutOfReach : public GnomeDesktop {
 protected:
  GnomeSettingsOutOfReach() {
    env_["DISPLAY"] = xvfb_.display();
    env_.erase("GSETTINGS_BACKEND");  // dconf, found as in a real session
  }

  void ExpectTheXRoot() {
    const std::string mark = "PENDREL_TEST_RUN=" + home_.path().string();
    auto run = RunPendrel("GNOME", {{"PENDREL_TEST_RUN", home_.path().string()}});
    EXPECT_NE(run.err.find("Verfahren gnome fehlgeschlagen"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("über x11"), std::string::npos) << run.err;
    EXPECT_TRUE(
        wallpapertest::NearColour(wallpapertest::RootPixel(xvfb_.display(), 100, 75), kGreen));
    const std::vector<pid_t> left = ProcessesWithEnvironment(mark);
    for (pid_t pid : left) kill(pid, SIGKILL);
    EXPECT_TRUE(left.empty()) << left.size() << " processes outlived the run";
  }

  testsupport::Xvfb xvfb_{200, 150};
};

TEST_F(GnomeSettingsOutOfReach, WithoutAnAnnouncedBusNoneIsStarted) {
  env_.erase("DBUS_SESSION_BUS_ADDRESS");
  ExpectTheXRoot();
  EXPECT_FALSE(std::filesystem::exists(home_.path() / ".dbus"));
}

TEST_F(GnomeSettingsOutOfReach, ASettingsServiceThatCannotStoreIsAFailure) {
  // Where dconf keeps its database, a plain file: the service answers every write with an
  // error.
  std::filesystem::create_directories(home_.path() / "config");
  testsupport::WriteFileBytes(home_.path() / "config" / "dconf", "");
  ExpectTheXRoot();
  EXPECT_EQ(Get("picture-uri").find(Picture()), std::string::npos);
}

// Settings schemas compiled into a directory of their own, and the only ones a process
// given these variables finds, whatever desktops the machine has: GNOME's background from
// the system, and any stand-in schema given as XML.
std::map<std::string, std::string> OnlySchemas(const std::filesystem::path& dir,
                                               const std::string& standIn = "") {
  const std::filesystem::path system = "/usr/share/glib-2.0/schemas";
  std::filesystem::create_directories(dir / "schemas");
  std::filesystem::create_directories(dir / "no-data");
  for (const char* file :
       {"org.gnome.desktop.background.gschema.xml", "org.gnome.desktop.enums.xml"}) {
    std::filesystem::copy_file(system / file, dir / "schemas" / file);
  }
  if (!standIn.empty())
    testsupport::WriteFileBytes(dir / "schemas" / "stand-in.gschema.xml", standIn);
  auto compiled = testsupport::Run({"glib-compile-schemas", (dir / "schemas").string()});
  EXPECT_EQ(compiled.exitCode, 0) << compiled.err;
  return {{"GSETTINGS_SCHEMA_DIR", (dir / "schemas").string()},
          {"XDG_DATA_DIRS", (dir / "no-data").string()},
          {"XDG_DATA_HOME", (dir / "no-data").string()}};
}

// A schema that is not installed would abort the process inside GSettings, and a store
// that forgets everything would report a change that never happens.
TEST_F(DesktopBus, SettingsThatCannotBeKeptAreAFailureNotACrash) {
  // MATE's and Cinnamon's schemas come with their file managers; here they are absent.
  for (const auto& [name, value] : OnlySchemas(home_.path() / "gsettings")) {
    env_[name] = value;
  }
  struct Case {
    const char* desktop;
    const char* backend;
    const char* settingsBackend;
  };
  for (const Case& c : {Case{"MATE", "mate", "dconf"}, Case{"X-Cinnamon", "cinnamon", "dconf"},
                        Case{"GNOME", "gnome", "memory"}}) {
    env_["GSETTINGS_BACKEND"] = c.settingsBackend;
    auto run = RunPendrel(c.desktop);
    EXPECT_NE(run.err.find(std::string("Verfahren ") + c.backend + " fehlgeschlagen"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("Kein Verfahren konnte den Hintergrund setzen"), std::string::npos);
  }
}

// Cinnamon cannot run here (see README): its background schema, as Cinnamon declares the key
// the program sets, stands in, kept by the real dconf.
TEST_F(DesktopBus, CinnamonKeepsTheFileUriInItsBackgroundSettings) {
  for (const auto& [name, value] : OnlySchemas(home_.path() / "gsettings", R"(<schemalist>
  <schema id="org.cinnamon.desktop.background" path="/org/cinnamon/desktop/background/">
    <key name="picture-uri" type="s"><default>''</default></key>
  </schema>
</schemalist>
)")) {
    env_[name] = value;
  }
  auto run = RunPendrel("X-Cinnamon");
  EXPECT_NE(run.err.find("über cinnamon"), std::string::npos) << run.err;
  EXPECT_EQ(Tool({"gsettings", "get", "org.cinnamon.desktop.background", "picture-uri"}),
            "'file://" + Picture() + "'");
}

class XfceDesktop : public DesktopBus {
 protected:
  std::vector<std::string> Xfconf(const std::string& method) {
    return {"gdbus",
            "call",
            "--session",
            "--dest",
            "org.xfce.Xfconf",
            "--object-path",
            "/org/xfce/Xfconf",
            "--method",
            "org.xfce.Xfconf." + method,
            "xfce4-desktop"};
  }
  std::string Get(const std::string& property) {
    auto argv = Xfconf("GetProperty");
    argv.push_back(property);
    return Tool(argv);
  }
  void Set(const std::string& property, const std::string& value) {
    auto argv = Xfconf("SetProperty");
    argv.push_back(property);
    argv.push_back("<'" + value + "'>");
    Tool(argv);
  }
  bool Exists(const std::string& property) {
    auto argv = Xfconf("PropertyExists");
    argv.push_back(property);
    return Tool(argv) == "(true,)";
  }
};

TEST_F(XfceDesktop, WithoutPicturePropertiesTheUsualOneIsCreated) {
  auto run = RunPendrel("XFCE");
  EXPECT_NE(run.err.find("über xfce"), std::string::npos) << run.err;
  EXPECT_EQ(Get("/backdrop/screen0/monitor0/workspace0/last-image"), "(<'" + Picture() + "'>,)");
}

TEST_F(XfceDesktop, EveryMonitorAndWorkspaceGetsThePicture) {
  const std::vector<std::string> properties = {
      "/backdrop/screen0/monitorVirtual1/workspace0/last-image",
      "/backdrop/screen0/monitorVirtual1/workspace1/last-image",
      "/backdrop/screen0/monitorHDMI-1/workspace0/last-image"};
  for (const std::string& property : properties) Set(property, "/usr/share/alt.jpg");
  Set("/backdrop/screen0/monitorVirtual1/workspace0/image-style", "5");

  RunPendrel("XFCE");
  for (const std::string& property : properties) {
    EXPECT_EQ(Get(property), "(<'" + Picture() + "'>,)") << property;
  }
  EXPECT_EQ(Get("/backdrop/screen0/monitorVirtual1/workspace0/image-style"), "(<'5'>,)");
  EXPECT_FALSE(Exists("/backdrop/screen0/monitor0/workspace0/last-image"));
}

TEST_F(DesktopBus, WithoutPlasmaOnTheBusTheXRootIsTheFallback) {
  testsupport::Xvfb xvfb(200, 150);
  env_["DISPLAY"] = xvfb.display();
  auto run = RunPendrel("KDE");
  EXPECT_NE(run.err.find("Verfahren kde fehlgeschlagen"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("über x11"), std::string::npos) << run.err;
  EXPECT_TRUE(wallpapertest::NearColour(wallpapertest::RootPixel(xvfb.display(), 100, 75), kGreen));
}

}  // namespace

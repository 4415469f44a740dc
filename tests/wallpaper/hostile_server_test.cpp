// The real program against servers that misbehave: only a picture replaces the earlier one,
// a failed page is no list, every run ends in time with exit code 0, and no temporary file
// outlives it.
#include <gtest/gtest.h>
#include <signal.h>

#include <thread>

#include "wallpaper_test_support.h"

namespace {

using testsupport::ReadFileBytes;
using Env = std::map<std::string, std::optional<std::string>>;

// The end-to-end build divides its transfer times by this: 2 s for the page, 5 s for the
// picture, 1 s of low speed.
const Env kShortLimits = {{"PENDREL_E2E_LIMIT_DIVISOR", "20"}};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class HostileServer : public ::testing::Test {
 protected:
  void SetUp() override {
    wallpapertest::WriteJpeg(site_.root() / "rot.jpg", 0xE01010);
    testsupport::WriteFileBytes(site_.root() / "kaputt.jpg", std::string(5000, 'k'));
    Run("rot.jpg\r\n");
    earlier_ = ReadFileBytes(Picture());
    ASSERT_FALSE(earlier_.empty());
  }

  testsupport::RunResult Run(const std::string& page, const std::string& below = "",
                             const Env& env = {},
                             std::chrono::milliseconds timeout = std::chrono::seconds(60)) {
    site_.SetPage(page);
    auto run = wallpapertest::RunPendrel(work_.path(), site_.base() + below, env, timeout);
    EXPECT_EQ(run.exitCode, 0) << "ended by the test, or not with 0:\n" << run.err;
    return run;
  }

  std::filesystem::path Picture() const { return work_.path() / "hintergrund.jpg"; }

  std::vector<std::string> Temporaries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(work_.path())) {
      if (entry.path().extension() == ".part") names.push_back(entry.path().filename());
    }
    return names;
  }

  // The earlier picture is still the file, and set again as the wallpaper.
  void ExpectEarlierPictureKept(const testsupport::RunResult& run, const std::string& label) {
    EXPECT_EQ(ReadFileBytes(Picture()), earlier_) << label;
    EXPECT_TRUE(Temporaries().empty()) << label;
    EXPECT_TRUE(Contains(run.err, "Kein Verfahren konnte den Hintergrund setzen")) << label << "\n"
                                                                                   << run.err;
  }

  wallpapertest::ContentSite site_;
  testsupport::TempDir work_;
  std::string earlier_;
};

TEST_F(HostileServer, OnlyAPictureReplacesThePicture) {
  struct Case {
    std::string page, below, why;
  };
  const std::string utf16 = std::string("\xFF\xFEr\0o\0t\0.\0j\0p\0g\0\r\0\n\0", 20);
  for (const Case& c : std::initializer_list<Case>{
           // These leave no line, so the server's index at the bare base is fetched.
           {"", "", "kein Bild"},
           {"rot.jpg", "", "kein Bild"},
           {utf16, "", "kein Bild"},
           {"__html/rot.jpg\r\n", "", "kein Bild"},
           {"rot.jpg\r\n", "__html/", "kein Bild"},  // a portal answers the page too
           {"kaputt.jpg\r\n", "", "kein Bild"},
           {"__gzip/rot.jpg\r\n", "", "Content-Encoding"},
           {"__huge/70000000/gross.png\r\n", "", "größer als 67108864 Bytes"},
       }) {
    const std::string label = c.below + c.page;
    auto run = Run(c.page, c.below);
    EXPECT_TRUE(Contains(run.err, c.why) && Contains(run.err, "hintergrund.jpg unverändert"))
        << label << "\n"
        << run.err;
    ExpectEarlierPictureKept(run, label);
  }
}

// The page's own lines name a good picture, but an error page is no list.
TEST_F(HostileServer, AFailedPageLoadIsNoList) {
  for (const std::string below : {"__status/404/", "__reset/"}) {
    const size_t before = site_.server().Requests().size();
    auto run = Run("rot.jpg\r\n", below);
    const auto& requests = site_.server().Requests();
    ASSERT_EQ(requests.size(), before + 2) << below;
    EXPECT_EQ(requests[before].path, "/" + below + "inhalt.php");
    EXPECT_EQ(requests[before + 1].path, "/" + below) << "the bare base, not a line of the page";
    EXPECT_TRUE(Contains(run.err, "Zeile 0 von 0")) << run.err;
    ExpectEarlierPictureKept(run, below);
  }
}

TEST_F(HostileServer, SilentDrippingAndEndlessServersEndTheRunAtItsLimits) {
  struct Case {
    std::string page, below;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"rot.jpg\r\n", "__drip/8192/"},  // page and bare base never end
           {"rot.jpg\r\n", "__drip/100/"},   // both below the low-speed limit
           {"rot.jpg\r\n", "__hang/"},       // both never answer
           {"__drip/8192/rot.jpg\r\n", ""},  // only the picture never ends
       }) {
    auto run = Run(c.page, c.below, kShortLimits, std::chrono::seconds(30));
    EXPECT_TRUE(Contains(run.err, "Zeitlimit überschritten")) << c.below << c.page << run.err;
    ExpectEarlierPictureKept(run, c.below + c.page);
  }
}

// The whole budget, with the limits the program is built with: 45 s for the page, 105 s
// for the picture.
TEST_F(HostileServer, SlowRealLimitsEndADrippingRunWithinThreeMinutes) {
  const auto start = std::chrono::steady_clock::now();
  auto run = Run("rot.jpg\r\n", "__drip/8192/", {}, std::chrono::minutes(3));
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
  RecordProperty("run_seconds", static_cast<int>(seconds.count()));
  EXPECT_TRUE(Contains(run.err, "Zeile 0 von 0")) << run.err;
  ExpectEarlierPictureKept(run, "real limits");
}

TEST_F(HostileServer, TerminationDuringTheDownloadRemovesTheTemporaryAndExitsZero) {
  site_.SetPage("__drip/8192/rot.jpg\r\n");
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    testsupport::Process pendrel({wallpapertest::PendrelProgram(work_.path())},
                                 wallpapertest::PendrelOptions(work_.path(), site_.base()));
    for (int i = 0; i < 200 && Temporaries().empty(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_EQ(Temporaries().size(), 1u) << "no download started";
    kill(pendrel.pid(), signal);
    EXPECT_EQ(pendrel.Wait(std::chrono::seconds(20)), 0) << signal;
    EXPECT_TRUE(Temporaries().empty()) << signal;
    EXPECT_EQ(ReadFileBytes(Picture()), earlier_) << signal;
  }
}

// Without the signal ignored, `ulimit -f` would end the process in the middle of the write.
TEST_F(HostileServer, AFileSizeLimitIsAWriteError) {
  site_.SetPage("__huge/3000000/gross.png\r\n");
  auto run = testsupport::Run({"/bin/sh", "-c", "ulimit -f 1024 && exec \"$0\"",
                               wallpapertest::PendrelProgram(work_.path())},
                              wallpapertest::PendrelOptions(work_.path(), site_.base()),
                              std::chrono::seconds(60));
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(Contains(run.err, "temporäre Datei nicht schreibbar")) << run.err;
  ExpectEarlierPictureKept(run, "ulimit -f");
}

}  // namespace

// The real program on a plain X server: the picture from the content page ends up on the
// root window, and failed downloads leave both the file and the screen as they were.
#include <gtest/gtest.h>

#include <future>
#include <vector>

#include "support/xvfb.h"
#include "wallpaper_test_support.h"

namespace {

using testsupport::ReadFileBytes;
using wallpapertest::NearColour;
using wallpapertest::RootPixel;

constexpr uint32_t kRed = 0xE01010;
constexpr uint32_t kBlue = 0x1020D0;

class X11EndToEnd : public ::testing::Test {
 protected:
  X11EndToEnd() : xvfb_(320, 240) {
    wallpapertest::WriteJpeg(site_.root() / "rot.jpg", kRed);
    wallpapertest::WriteJpeg(site_.root() / "blau.jpg", kBlue, 48, 64);
    testsupport::WriteFileBytes(site_.root() / "leer.jpg", "");
  }

  testsupport::RunResult Run(const std::string& page) {
    site_.SetPage(page);
    auto run =
        wallpapertest::RunPendrel(work_.path(), site_.base(), {{"DISPLAY", xvfb_.display()}});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run;
  }

  testsupport::Xvfb xvfb_;
  wallpapertest::ContentSite site_;
  testsupport::TempDir work_;
};

TEST_F(X11EndToEnd, RootWindowShowsThePictureAndTheNextRunReplacesIt) {
  Run("rot.jpg\r\n");
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 120), kRed));
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 0, 0), kRed));
  const unsigned long first = wallpapertest::RootPixmap(xvfb_.display());
  ASSERT_NE(first, 0u);

  // Same file name, different picture, different proportions: the screen follows.
  Run("blau.jpg\r\n");
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 120), kBlue));
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 319, 239), kBlue));
  const unsigned long second = wallpapertest::RootPixmap(xvfb_.display());
  EXPECT_NE(second, first);
  // The first run's pixmap is freed rather than kept by the server forever.
  EXPECT_FALSE(wallpapertest::PixmapExists(xvfb_.display(), first));
  EXPECT_TRUE(wallpapertest::PixmapExists(xvfb_.display(), second));
}

// The picture is scaled evenly until it covers the screen and cut around its centre; the
// middle band is made to be exactly what a 320x240 screen shows of it.
TEST_F(X11EndToEnd, PicturesCoverTheScreenAroundTheirCentre) {
  constexpr uint32_t kGreen = 0x10C020;
  struct Case {
    const char* name;
    const char* format;
    int width, height;
    bool across;
  };
  for (const Case& c :
       {Case{"hoch.jpg", "jpeg", 40, 360, false}, Case{"breit.png", "png", 1440, 60, true},
        Case{"gross.jpg", "jpeg", 960, 2880, false}}) {
    wallpapertest::WriteBands(site_.root() / c.name, c.format, c.width, c.height, c.across, kRed,
                              kGreen, kBlue);
    Run(std::string(c.name) + "\r\n");
    for (auto [x, y] : {std::pair{0, 0}, {319, 0}, {160, 120}, {0, 239}, {319, 239}}) {
      const uint32_t pixel = RootPixel(xvfb_.display(), x, y);
      EXPECT_TRUE(NearColour(pixel, kGreen))
          << c.name << " at " << x << "," << y << ": " << std::hex << pixel;
    }
  }
  // A picture of the screen's proportions shows whole.
  wallpapertest::WriteBands(site_.root() / "ganz.jpg", "jpeg", 1280, 960, false, kRed, kGreen,
                            kBlue);
  Run("ganz.jpg\r\n");
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 10), kRed));
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 120), kGreen));
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 230), kBlue));
}

TEST_F(X11EndToEnd, FailedDownloadsLeaveFileAndScreenAsTheyWere) {
  Run("rot.jpg\r\n");
  const std::string earlier = ReadFileBytes(work_.path() / "hintergrund.jpg");
  ASSERT_FALSE(earlier.empty());
  for (const char* line : {"fehlt.jpg", "__status/500", "__truncated/5000", "leer.jpg",
                           "__redirect?to=file:///etc/hostname", "__hang"}) {
    auto run = Run(std::string(line) + "\r\n");
    EXPECT_EQ(ReadFileBytes(work_.path() / "hintergrund.jpg"), earlier) << line;
    EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 120), kRed)) << line;
    EXPECT_NE(run.err.find("unverändert"), std::string::npos) << line << "\n" << run.err;
    for (const auto& entry : std::filesystem::directory_iterator(work_.path())) {
      EXPECT_EQ(entry.path().extension(), entry.is_directory() ? "" : ".jpg")
          << "left behind: " << entry.path();
    }
  }
}

// The picture is decoded while it downloads: one that comes slowly still shows whole, and
// one cut short shows nothing of itself, even when the rows the screen shows all came.
TEST_F(X11EndToEnd, PicturesDecodedWhileTheyArriveShowOnlyOnceSaved) {
  constexpr uint32_t kGreen = 0x10C020;
  // Twice the screen's height: the screen shows rows 480..1440 of 1920.
  wallpapertest::WriteBands(site_.root() / "baender.jpg", "jpeg", 1280, 1920, false, kRed, kGreen,
                            kBlue);
  const auto size = std::filesystem::file_size(site_.root() / "baender.jpg");
  Run("blau.jpg\r\n");
  for (const auto cut : {size / 2, size * 9 / 10}) {
    const std::string line = "__cut/" + std::to_string(cut) + "/baender.jpg";
    const testsupport::RunResult run = Run(line + "\r\n");
    EXPECT_NE(run.err.find("unverändert"), std::string::npos) << line << "\n" << run.err;
    for (const int y : {10, 120, 230}) {
      EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, y), kBlue)) << line << " " << y;
    }
  }
  Run("__slow/baender.jpg\r\n");
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 10), kRed));
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 120), kGreen));
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 230), kBlue));
}

TEST_F(X11EndToEnd, TraceNamesPageLineOutcomeAndBackend) {
  auto run = Run("rot.jpg\r\n");
  const std::string page = site_.base() + "inhalt.php";
  for (const std::string& expected :
       {"Laden beendet: " + page, std::string("Zeile 1 von 1 gewählt: \"rot.jpg\""),
        "Download " + site_.base() + "rot.jpg: HTTP 200",
        "Hintergrund gesetzt über x11: " + (work_.path() / "hintergrund.jpg").string()}) {
    EXPECT_NE(run.err.find(expected), std::string::npos) << expected << "\n" << run.err;
  }

  site_.SetPage("rot.jpg\r\n");
  auto silent = wallpapertest::RunPendrel(work_.path(), site_.base(),
                                          {{"DISPLAY", xvfb_.display()}, {"PENDREL_TRACE", {}}});
  EXPECT_EQ(silent.exitCode, 0);
  EXPECT_EQ(silent.err, "");
  EXPECT_EQ(silent.out, "");
}

TEST_F(X11EndToEnd, LinesAreUsedVerbatim) {
  wallpapertest::WriteJpeg(site_.root() / " mein bild.jpg", kBlue);
  // The last line has no CR LF and is never chosen; spaces stay and are sent encoded.
  Run(" mein bild.jpg\r\nrot.jpg");
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 120), kBlue));

  // An empty line asks for the bare base address.
  Run("\r\n");
  std::vector<std::string> paths;
  for (const auto& request : site_.server().Requests()) paths.push_back(request.path);
  EXPECT_EQ(paths,
            (std::vector<std::string>{"/inhalt.php", "/%20mein%20bild.jpg", "/inhalt.php", "/"}));
}

// Runs started together on one display swap the root pixmap one after the other, so none
// frees a pixmap whose owner is still connected.
TEST_F(X11EndToEnd, RunsAtTheSameTimeAllSetTheirPictureAndEndWithZero) {
  Run("blau.jpg\r\n");  // leaves a retained pixmap for the first of them to free
  site_.SetPage("rot.jpg\r\n");
  std::vector<std::future<testsupport::RunResult>> runs;
  for (int i = 0; i < 50; ++i) {
    runs.push_back(std::async(std::launch::async, [this] {
      return wallpapertest::RunPendrel(work_.path(), site_.base(), {{"DISPLAY", xvfb_.display()}});
    }));
  }
  for (auto& pending : runs) {
    const testsupport::RunResult run = pending.get();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("Hintergrund gesetzt über x11"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 120), kRed));
  EXPECT_TRUE(
      wallpapertest::PixmapExists(xvfb_.display(), wallpapertest::RootPixmap(xvfb_.display())));
}

// A picture whose decoding would need more memory than allowed is refused from its header;
// the screen keeps its picture. Only the headers are written (up to the PNG's first data
// chunk, where its size is announced): nothing past them is read.
TEST_F(X11EndToEnd, PicturesTooLargeToDecodeAreRefusedFromTheirHeader) {
  Run("rot.jpg\r\n");
  const std::string pngOf40000 =
      std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x9c\x40\0\0\x9c\x40\x08\x02\0\0\0", 29) +
      std::string("\xde\x6e\x99\x52\0\0\0\0IDAT\x35\xaf\x06\x1e", 16);
  // Progressive, 12000 x 12000, three components: its coefficients alone are 824 MiB.
  const std::string progressiveJpeg = std::string(
      "\xFF\xD8\xFF\xC2\x00\x11\x08\x2E\xE0\x2E\xE0\x03\x01\x11\x00\x02\x11\x00\x03\x11\x00"
      "\xFF\xDA\x00\x0C\x03",
      26);
  for (const auto& [header, size] :
       {std::pair{pngOf40000, "40000 x 40000"}, std::pair{progressiveJpeg, "12000 x 12000"}}) {
    // The page names a missing picture, so the run sets the earlier file again.
    testsupport::WriteFileBytes(work_.path() / "hintergrund.jpg", header);
    const testsupport::RunResult run = Run("fehlt.jpg\r\n");
    EXPECT_NE(run.err.find(std::string("x11: Bild ") + size + " bräuchte"), std::string::npos)
        << run.err;
    EXPECT_TRUE(NearColour(RootPixel(xvfb_.display(), 160, 120), kRed)) << size;
  }
}

// A 16-bit screen keeps its pixels in another layout than 0xRRGGBB.
TEST(X11OtherDepth, SixteenBitScreensShowThePictureToo) {
  testsupport::ProcessOptions options;
  options.captureStdout = true;
  testsupport::Process server(
      {"Xvfb", "-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0", "200x150x16"},
      options);
  const auto number = server.ReadStdoutLine(std::chrono::seconds(30));
  ASSERT_TRUE(number && !number->empty()) << "Xvfb did not start";
  const std::string display = ":" + *number;
  wallpapertest::ContentSite site;
  wallpapertest::WriteBands(site.root() / "bunt.jpg", "jpeg", 300, 150, true, kRed, kBlue, kRed);
  site.SetPage("bunt.jpg\r\n");
  testsupport::TempDir work;
  auto run = wallpapertest::RunPendrel(work.path(), site.base(), {{"DISPLAY", display}});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(NearColour(RootPixel(display, 100, 75), kBlue, 16));
  EXPECT_TRUE(NearColour(RootPixel(display, 10, 75), kRed, 16));
  EXPECT_TRUE(NearColour(RootPixel(display, 190, 75), kRed, 16));
}

TEST(EndToEnd, WithoutDesktopTheRunEndsQuietlyWithTheFileSaved) {
  wallpapertest::ContentSite site;
  wallpapertest::WriteJpeg(site.root() / "rot.jpg", kRed);
  site.SetPage("rot.jpg\r\n");
  testsupport::TempDir work;
  auto run = wallpapertest::RunPendrel(work.path(), site.base());
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_FALSE(ReadFileBytes(work.path() / "hintergrund.jpg").empty());
  EXPECT_NE(run.err.find("Kein Verfahren konnte den Hintergrund setzen"), std::string::npos)
      << run.err;
}

TEST(EndToEnd, UnreachableServerEndsTheRunWithExitCodeZero) {
  testsupport::TempDir work;
  std::string base;
  {
    testsupport::TempDir empty;
    testsupport::HttpServer gone(empty.path());
    base = gone.Url();
  }
  auto run = wallpapertest::RunPendrel(work.path(), base);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_FALSE(std::filesystem::exists(work.path() / "hintergrund.jpg"));
  EXPECT_NE(run.err.find("Laden beendet"), std::string::npos) << run.err;
}

}  // namespace

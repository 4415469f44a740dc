// Shared pieces of the wallpaper tests: a content site on a loopback server, runs of the
// real program built against it, pictures of one colour and a look at the X root window.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "support/http_server.h"
#include "support/process.h"
#include "support/temp_dir.h"

namespace wallpapertest {

// A JPEG of one colour (0xRRGGBB).
void WriteJpeg(const std::filesystem::path& file, uint32_t rgb, int width = 64, int height = 48);
// A picture ("jpeg" or "png") cut into three equal bands, top to bottom (or left to right
// when `across`), coloured first, second, third.
void WriteBands(const std::filesystem::path& file, const char* format, int width, int height,
                bool across, uint32_t first, uint32_t second, uint32_t third);
// Whether two colours differ by at most a JPEG's rounding (or `tolerance`) in every channel.
bool NearColour(uint32_t a, uint32_t b, int tolerance = 8);

// Pictures and "inhalt.php" in a temporary directory, served on loopback.
class ContentSite {
 public:
  ContentSite();
  const std::filesystem::path& root() const { return dir_.path(); }
  testsupport::HttpServer& server() { return *server_; }
  std::string base() const { return server_->Url(); }
  void SetPage(const std::string& bytes);

 private:
  testsupport::TempDir dir_;
  std::unique_ptr<testsupport::HttpServer> server_;
};

// Runs the program (a copy in workDir/bin, so that its run record stays there) in
// workDir against base, with tracing on and no desktop session variables except those in
// env (nullopt removes one); a run still going after `timeout` is killed.
testsupport::RunResult RunPendrel(const std::filesystem::path& workDir, const std::string& base,
                                  std::map<std::string, std::optional<std::string>> env = {},
                                  std::chrono::milliseconds timeout = std::chrono::seconds(120));
// The parts of such a run, for tests that start the program themselves: the copy's path
// and the options it runs with.
std::string PendrelProgram(const std::filesystem::path& workDir);
testsupport::ProcessOptions PendrelOptions(
    const std::filesystem::path& workDir, const std::string& base,
    const std::map<std::string, std::optional<std::string>>& env = {});

// The colour (0xRRGGBB) of a pixel of the root window, and the pixmap the root window announces in
// _XROOTPMAP_ID (0 for none), on display ":N".
uint32_t RootPixel(const std::string& display, int x, int y);
unsigned long RootPixmap(const std::string& display);
// Whether the server still knows the pixmap.
bool PixmapExists(const std::string& display, unsigned long pixmap);

}  // namespace wallpapertest

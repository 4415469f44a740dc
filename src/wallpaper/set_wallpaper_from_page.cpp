#include "wallpaper/set_wallpaper_from_page.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "runtime/filesystem.h"
#include "runtime/number.h"
#include "runtime/random.h"
#include "wallpaper/job_trace.h"
#include "wallpaper/picture_download.h"
#include "wallpaper/platform/desktop_wallpaper.h"
#include "wallpaper/server_base.h"

namespace pendrel {

namespace {

constexpr rt::TextView kRoutine = u"SetWallpaperFromPage";
constexpr rt::TextView kPictureFile = u"hintergrund.jpg";

void Trace(rt::TextView line) { TraceJob(kRoutine, line); }

rt::Text Describe(const rt::Text& address, const DownloadOutcome& outcome) {
  rt::Text line = u"Download " + address + u": ";
  if (outcome.saved) {
    return line + u"HTTP " + rt::IntToText(outcome.status) + u", " + rt::IntToText(outcome.bytes) +
           u" Bytes, " + rt::FromUtf8(PictureFormatName(outcome.picture.format)) + u" " +
           rt::IntToText(outcome.picture.width) + u"x" + rt::IntToText(outcome.picture.height) +
           u", in " + rt::Text(kPictureFile) + u" gespeichert";
  }
  return line + u"fehlgeschlagen (" + rt::FromUtf8(outcome.error) + u"), " +
         rt::Text(kPictureFile) + u" unverändert";
}

}  // namespace

rt::Text ChoosePicturePath(rt::TextView pageText) {
  const int32_t lineCount = rt::TextCount(pageText, u"\r\n");
  const int32_t lineNumber = rt::RandomInt(lineCount, 1);
  // The line goes on verbatim: no trimming, no decoding of markup.
  rt::Text path = lineNumber >= 1 ? rt::TextField(pageText, lineNumber, u"\r\n") : rt::Text();
  Trace(u"Zeile " + rt::IntToText(lineNumber) + u" von " + rt::IntToText(lineCount) +
        u" gewählt: \"" + path + u"\"");
  return path;
}

void SetWallpaperFromPage(rt::TextView pageText) {
  const rt::Text address = ServerBase() + ChoosePicturePath(pageText);
  // The desktop may begin on the picture while it comes.
  const auto arrival = std::make_shared<PictureArrival>();
  std::unique_ptr<backends::WallpaperHeadStart> headStart = backends::BeginWallpaper(arrival);
  Trace(Describe(address, DownloadPicture(address, std::filesystem::path(kPictureFile),
                                          PictureLimits(), arrival.get())));
  const int64_t size = rt::PathSize(kPictureFile);
  if (size <= 0) {
    Trace(rt::Text(kPictureFile) + u" fehlt oder ist leer (Größe " + rt::IntToText(size) +
          u"), Hintergrund unverändert");
    return;
  }
  // Desktops keep the picture's path for later logons, so it must not depend on the
  // directory they happen to run in.
  std::error_code error;
  const std::filesystem::path picture = std::filesystem::absolute(kPictureFile, error);
  const std::string_view used =
      error ? std::string_view() : backends::ApplyWallpaper(picture, std::move(headStart));
  if (used.empty()) {
    Trace(u"Kein Verfahren konnte den Hintergrund setzen");
  } else {
    const std::u8string path = picture.u8string();
    Trace(u"Hintergrund gesetzt über " + rt::FromUtf8(used) + u": " +
          rt::FromUtf8(std::string(path.begin(), path.end())));
  }
}

}  // namespace pendrel

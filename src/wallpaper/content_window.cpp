#include "wallpaper/content_window.h"

#include "runtime/number.h"
#include "runtime/window.h"
#include "wallpaper/job_trace.h"
#include "wallpaper/platform/desktop_wallpaper.h"
#include "wallpaper/server_base.h"
#include "wallpaper/set_wallpaper_from_page.h"
#include "wallpaper/transfer_limits.h"

namespace pendrel {

int32_t ContentWindow = 0;
int32_t ContentWebView = 0;

namespace {

// Caption and system menu, created invisible: nothing of the window is ever shown.
constexpr uint32_t kContentWindowFlags =
    rt::WindowInvisible | rt::WindowCaption | rt::WindowSystemMenu;

}  // namespace

int32_t OpenContentWindow(int32_t x, int32_t y, int32_t width, int32_t height) {
  ContentWindow = rt::WindowOpen(rt::AnyNumber, x, y, width, height, u"", kContentWindowFlags);
  // The web view goes into the window opened last, so it must come second.
  ContentWebView = ContentWindow != 0 ? rt::GadgetWeb(rt::AnyNumber, 85, 85, 365, 160, u"") : 0;
  return 0;
}

int32_t RunContentWindow() {
  OpenContentWindow(0, 0, 600, 400);
  if (ContentWindow == 0) {
    TraceJob(u"RunContentWindow", u"Inhaltsfenster konnte nicht geöffnet werden");
    return 0;
  }
  const rt::Text address = ServerBase() + u"inhalt.php";
  TraceJob(u"RunContentWindow", u"Lade Inhaltsseite " + address);
  // The page takes at least the loop's pauses; meanwhile another core loads the backend.
  const std::future<void> prepared = backends::PrepareWallpaper();
  rt::platform::SetHttpLimits(PageLimits());
  rt::GadgetSetText(ContentWebView, address);
  bool loaded = false;
  RunPageLoadLoop(ContentWebView, [&](const rt::Text& pageText) {
    loaded = true;
    TraceJob(u"RunContentWindow", u"Laden beendet: " + address + u" (" +
                                      rt::IntToText(rt::TextLength(pageText)) + u" Zeichen)");
    SetWallpaperFromPage(pageText);
  });
  if (!loaded) TraceJob(u"RunContentWindow", u"Fenster geschlossen, bevor die Seite geladen war");
  rt::WindowClose(ContentWindow);
  ContentWindow = 0;
  ContentWebView = 0;
  return 0;
}

}  // namespace pendrel

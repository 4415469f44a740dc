#include <array>
#include <future>
#include <system_error>

#include "runtime/text.h"
#include "wallpaper/backends/backend.h"
#include "wallpaper/job_trace.h"

namespace pendrel::backends {

std::span<const WallpaperBackend> Backends() {
  // The desktops' own settings first; the bare X root only where no desktop draws over it.
  static const std::array<WallpaperBackend, 9> all = {kGnome, kCinnamon, kMate, kKde,    kXfce,
                                                      kLxqt,  kLxde,     kSway, kX11Root};
  return all;
}

std::vector<const WallpaperBackend*> BackendsFor(const Session& session) {
  std::vector<const WallpaperBackend*> chosen;
  for (const WallpaperBackend& backend : Backends()) {
    if (backend.matches(session)) chosen.push_back(&backend);
  }
  return chosen;
}

std::unique_ptr<WallpaperHeadStart> BeginWallpaper(std::shared_ptr<const PictureArrival> arrival) {
  const std::vector<const WallpaperBackend*> candidates = BackendsFor(CurrentSession());
  if (candidates.empty() || candidates.front()->begin == nullptr) return nullptr;
  return candidates.front()->begin(std::move(arrival));
}

// The backends of the current session, tried in order; the first that succeeds wins.
std::string_view ApplyWallpaper(const std::filesystem::path& picture,
                                std::unique_ptr<WallpaperHeadStart> headStart) {
  const std::vector<const WallpaperBackend*> candidates = BackendsFor(CurrentSession());
  if (candidates.empty()) {
    TraceJob(u"SetWallpaperFromPage",
             u"Keine Arbeitsfläche erkannt (XDG_CURRENT_DESKTOP, "
             u"DESKTOP_SESSION, DISPLAY, SWAYSOCK)");
  }
  for (const WallpaperBackend* backend : candidates) {
    // Only the first way is ever begun ahead.
    const bool applied = headStart && backend == candidates.front() ? headStart->Finish(picture)
                                                                    : backend->apply(picture);
    headStart.reset();
    if (applied) return backend->name;
    TraceJob(u"SetWallpaperFromPage",
             u"Verfahren " + rt::FromUtf8(backend->name) + u" fehlgeschlagen");
  }
  return {};
}

std::future<void> PrepareWallpaper() {
  std::vector<void (*)()> steps;
  for (const WallpaperBackend* backend : BackendsFor(CurrentSession())) {
    if (backend->prepare != nullptr) steps.push_back(backend->prepare);
  }
  if (steps.empty()) return {};
  try {
    return std::async(std::launch::async, [steps] {
      for (void (*prepare)() : steps) prepare();
    });
  } catch (const std::system_error&) {
    return {};  // no thread to spare: apply loads what it needs itself
  }
}

}  // namespace pendrel::backends

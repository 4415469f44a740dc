// Ways to make a picture the desktop background, one per kind of desktop session, and the
// choice among them from the running session.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "wallpaper/platform/desktop_wallpaper.h"

namespace pendrel::backends {

// What the environment tells about the running desktop session.
struct Session {
  // Lower-case names from XDG_CURRENT_DESKTOP (":"-separated) and DESKTOP_SESSION, with a
  // leading "x-" dropped ("X-Cinnamon" -> "cinnamon").
  std::vector<std::string> desktops;
  bool x11 = false;   // an X display that is not a Wayland compositor's
  bool sway = false;  // a sway IPC socket is announced

  // Whether one of the desktops is named so, or so followed by "-" ("gnome-xorg").
  bool Is(std::initializer_list<std::string_view> names) const;
};

// The session as the given variables describe it (each may be null).
Session SessionFrom(const char* currentDesktop, const char* desktopSession, const char* display,
                    const char* waylandDisplay, const char* swaySocket);
Session CurrentSession();

struct WallpaperBackend {
  std::string_view name;
  bool (*matches)(const Session& session);
  // Sets the absolute picture path as the background, keeps it for later logons and makes
  // the desktop show the file's current content even when the setting already held that
  // path; false on failure.
  bool (*apply)(const std::filesystem::path& picture);
  // Loads ahead what apply will need, on a helper thread, or nullptr; it must not touch
  // anything the main thread uses meanwhile.
  void (*prepare)() = nullptr;
  // Called on the main thread: starts on the picture while it downloads, as
  // BeginWallpaper says, or nullptr.
  std::unique_ptr<WallpaperHeadStart> (*begin)(std::shared_ptr<const PictureArrival> arrival) =
      nullptr;
};

// Every backend, in the order they are tried.
std::span<const WallpaperBackend> Backends();
// The backends for this session, in order.
std::vector<const WallpaperBackend*> BackendsFor(const Session& session);

extern const WallpaperBackend kGnome;
extern const WallpaperBackend kCinnamon;
extern const WallpaperBackend kMate;
extern const WallpaperBackend kKde;
extern const WallpaperBackend kXfce;
extern const WallpaperBackend kLxqt;
extern const WallpaperBackend kLxde;
extern const WallpaperBackend kSway;
extern const WallpaperBackend kX11Root;

// "file://" URI of an absolute path, percent-encoded.
std::string FileUri(const std::filesystem::path& path);

}  // namespace pendrel::backends

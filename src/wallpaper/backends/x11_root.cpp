#include <functional>
#include <future>
#include <optional>
#include <system_error>

#include "wallpaper/backends/backend.h"
#include "wallpaper/backends/x11_api.h"
#include "wallpaper/backends/x11_root_connection.h"

namespace pendrel::backends {

namespace {

bool Matches(const Session& session) { return session.x11; }

ScreenDecoder DecodeFile(const std::filesystem::path& picture) {
  return [picture](int width, int height) { return DecodeForScreen(picture, width, height); };
}

bool Apply(const std::filesystem::path& picture) {
  const X11Api* x = LoadX11Api();
  if (x == nullptr) return false;
  RootConnection connection(*x);
  return connection.open() && connection.Show(connection.MakePixmap(DecodeFile(picture)));
}

// The pixmap, made on a helper thread from the picture's bytes as they arrive: decoding
// and sending it to the server then overlap the download.
class ArrivingPixmap final : public WallpaperHeadStart {
 public:
  ArrivingPixmap(const X11Api& x, std::shared_ptr<const PictureArrival> arrival)
      : arrival_(std::move(arrival)),
        made_(std::async(std::launch::async, &ArrivingPixmap::Make, this, std::cref(x))) {}

  bool Finish(const std::filesystem::path& picture) override {
    Pixmap pixmap = made_.get();
    if (!connection_->open()) return false;
    // A failed download leaves the earlier file, which is what is shown then.
    if (pixmap != None && !arrival_->WaitForEnd().saved) {
      connection_->FreePixmap(pixmap);
      pixmap = None;
    }
    // Pictures it did not make (no JPEG, too large) are made, or refused, from the file.
    if (pixmap == None) pixmap = connection_->MakePixmap(DecodeFile(picture));
    return connection_->Show(pixmap);
  }

 private:
  // On the helper thread.
  Pixmap Make(const X11Api& x) {
    connection_.emplace(x);
    if (!connection_->open()) return None;
    return connection_->MakePixmap(
        [this](int width, int height) { return DecodeArrivingForScreen(arrival_, width, height); });
  }

  std::optional<RootConnection> connection_;
  std::shared_ptr<const PictureArrival> arrival_;
  // Last, so that it is destroyed first: its destructor waits for the helper thread.
  std::future<Pixmap> made_;
};

std::unique_ptr<WallpaperHeadStart> Begin(std::shared_ptr<const PictureArrival> arrival) {
  // Loaded here: the runtime's library table belongs to the main thread.
  const X11Api* x = LoadX11Api();
  if (x == nullptr) return nullptr;
  try {
    return std::make_unique<ArrivingPixmap>(*x, std::move(arrival));
  } catch (const std::system_error&) {
    return nullptr;  // no thread to spare: apply does it all after the download
  }
}

}  // namespace

const WallpaperBackend kX11Root{"x11", Matches, Apply, PreloadX11, Begin};

}  // namespace pendrel::backends

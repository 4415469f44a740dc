// A connection to the X server for setting the root background.
#pragma once

#include "wallpaper/backends/x11_api.h"
#include "wallpaper/backends/x11_picture.h"

namespace pendrel::backends {

// Opens the default display with error handlers that count errors instead of ending the
// process, and closes it and restores the handlers at the end. Xlib's handlers belong to the
// whole process, so only one connection is open at a time; it may be opened, used and
// closed on different threads, one after the other.
class RootConnection {
 public:
  explicit RootConnection(const X11Api& x);
  ~RootConnection();
  RootConnection(const RootConnection&) = delete;
  RootConnection& operator=(const RootConnection&) = delete;

  bool open() const { return display_ != nullptr; }
  // The decoded picture as a pixmap covering the screen, all sent to the server; None when
  // it could not be made.
  Pixmap MakePixmap(const ScreenDecoder& decode);
  void FreePixmap(Pixmap pixmap);
  // Makes `pixmap` the root background, kept after this connection closes, and frees the one
  // it replaces; false when it is None or a request of this connection failed.
  bool Show(Pixmap pixmap);

 private:
  const X11Api& x_;
  XIOErrorHandler previousIoHandler_;
  XErrorHandler previousHandler_;
  Display* display_;
};

}  // namespace pendrel::backends

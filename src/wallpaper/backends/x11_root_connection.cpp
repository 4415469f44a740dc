#include "wallpaper/backends/x11_root_connection.h"

#include <X11/Xatom.h>
#include <unistd.h>

#include "wallpaper/backends/x11_pixmap.h"
#include "wallpaper/job_trace.h"

namespace pendrel::backends {

namespace {

// Xlib's default error handler ends the process; this one counts errors instead.
int errorCount = 0;
int CountError(Display*, XErrorEvent*) {
  ++errorCount;
  return 0;
}

// A lost connection (the server went away, or a client killed ours) cannot be survived
// inside Xlib: its handler must not return. The run record was written at start-up and
// nothing after the wallpaper needs doing, so the run ends here as every run ends, with 0.
int EndRunOnLostConnection(Display*) {
  TraceJob(u"SetWallpaperFromPage",
           u"x11: Verbindung zum X-Server verloren, Hintergrund unverändert");
  _exit(0);
}

Pixmap ReadPixmapProperty(const X11Api& x, Display* display, Window root, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  Pixmap pixmap = None;
  if (x.XGetWindowProperty(display, root, property, 0, 1, False, XA_PIXMAP, &type, &format, &count,
                           &after, &data) == Success &&
      type == XA_PIXMAP && format == 32 && count == 1) {
    pixmap = *reinterpret_cast<Pixmap*>(data);
  }
  if (data != nullptr) x.XFree(data);
  return pixmap;
}

// Announces `pixmap` as the root background and frees the one it replaces. Runs under a
// server grab that lasts until the connection closes: nobody else can read the properties
// between here and the moment this client is gone, so every pixmap found in them belongs
// to a setter that has already disconnected, and killing its resources never breaks a run
// that is still talking to the server. Closing the connection ends the grab.
bool SwapRootPixmap(const X11Api& x, Display* display, Window root, Pixmap pixmap) {
  const Atom rootPmap = x.XInternAtom(display, "_XROOTPMAP_ID", False);
  const Atom esetrootPmap = x.XInternAtom(display, "ESETROOT_PMAP_ID", False);
  x.XGrabServer(display);
  const Pixmap previous = ReadPixmapProperty(x, display, root, rootPmap);
  // A setter that announced its pixmap under both names kept it with RetainPermanent.
  const bool previousRetained =
      previous != None && previous == ReadPixmapProperty(x, display, root, esetrootPmap);
  // Compositors and pseudo-transparent terminals read the background from these.
  for (Atom property : {rootPmap, esetrootPmap}) {
    x.XChangeProperty(display, root, property, XA_PIXMAP, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(&pixmap), 1);
  }
  x.XSetWindowBackgroundPixmap(display, root, pixmap);
  x.XClearWindow(display, root);
  // The pixmap must outlive this connection, until the next setter frees it as below.
  x.XSetCloseDownMode(display, RetainPermanent);
  x.XSync(display, False);
  const bool announced = errorCount == 0;
  if (previousRetained) {
    // Its owner may already be gone for good; that error is harmless.
    x.XKillClient(display, previous);
    x.XSync(display, False);
  }
  return announced;
}

}  // namespace

RootConnection::RootConnection(const X11Api& x)
    : x_(x),
      previousIoHandler_(x.XSetIOErrorHandler(EndRunOnLostConnection)),
      previousHandler_(x.XSetErrorHandler(CountError)) {
  errorCount = 0;
  display_ = x.XOpenDisplay(nullptr);
}

RootConnection::~RootConnection() {
  if (display_ != nullptr) x_.XCloseDisplay(display_);
  x_.XSetErrorHandler(previousHandler_);
  x_.XSetIOErrorHandler(previousIoHandler_);
}

Pixmap RootConnection::MakePixmap(const ScreenDecoder& decode) {
  const Pixmap pixmap = backends::MakePixmap(x_, display_, DefaultScreen(display_), decode);
  x_.XSync(display_, False);
  return pixmap;
}

void RootConnection::FreePixmap(Pixmap pixmap) { x_.XFreePixmap(display_, pixmap); }

bool RootConnection::Show(Pixmap pixmap) {
  if (pixmap == None || errorCount != 0) return false;
  return SwapRootPixmap(x_, display_, RootWindow(display_, DefaultScreen(display_)), pixmap);
}

}  // namespace pendrel::backends

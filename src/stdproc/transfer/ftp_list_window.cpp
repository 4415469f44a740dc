#include "stdproc/transfer/ftp_list_window.h"

#include <cmath>

#include "runtime/window.h"

namespace stdproc::transfer {

ListTransferWindow::ListTransferWindow() {
  int32_t window =
      rt::WindowOpen(rt::AnyNumber, 244, 163, 604, 202, u"Bitte warten", rt::WindowCaption);
  // Gadgets go to the window opened last: without our own window they must not be made
  // at all, or they would land in one of the caller's.
  if (window == 0) return;
  window_ = window;
  bar_ = rt::GadgetProgress(rt::AnyNumber, 5, 75, 590, 55, 0, 100);
  upperText_ = rt::GadgetText(rt::AnyNumber, 10, 10, 585, 50, u"");
  lowerText_ = rt::GadgetText(rt::AnyNumber, 10, 145, 585, 50, u"");
}

ListTransferWindow::~ListTransferWindow() {
  if (window_ != 0) rt::WindowClose(window_);
}

void ListTransferWindow::ShowFile(int32_t percent, rt::TextView remoteFile,
                                  rt::TextView localFile) {
  if (window_ == 0) return;
  if (bar_ != 0) rt::GadgetSetState(bar_, percent);
  if (upperText_ != 0) rt::GadgetSetText(upperText_, u"Datei wird empfangen !");
  if (lowerText_ != 0) {
    rt::GadgetSetText(lowerText_, u"Datei-Remote:" + rt::Text(remoteFile) + u"\r\nDatei-Local:" +
                                      rt::Text(localFile));
  }
}

int32_t ListProgress(int32_t index, int32_t count) {
  if (count <= 0) return 0;
  const double step = 100.0 / count;
  const double exact = step * index;
  double rounded = std::floor(exact);
  const double fraction = exact - rounded;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  return static_cast<int32_t>(rounded);
}

}  // namespace stdproc::transfer

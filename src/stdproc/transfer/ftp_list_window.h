// The "Bitte warten" window of the list transfer: a progress bar between a line of what
// is happening and the names of the file in work. Without a display the window is not
// there and every step does nothing; the transfer goes on all the same.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace stdproc::transfer {

class ListTransferWindow {
 public:
  ListTransferWindow();
  // Closes the window with its gadgets.
  ~ListTransferWindow();
  ListTransferWindow(const ListTransferWindow&) = delete;
  ListTransferWindow& operator=(const ListTransferWindow&) = delete;

  bool IsOpen() const { return window_ != 0; }
  void ShowFile(int32_t percent, rt::TextView remoteFile, rt::TextView localFile);

 private:
  int32_t window_ = 0;
  int32_t bar_ = 0;
  int32_t upperText_ = 0;
  int32_t lowerText_ = 0;
};

// The bar's position before file `index` (from 1) of `count`: 100 / count * index
// rounded to the nearest integer, a half to the even neighbour (12, 25, 38, 50 ...).
int32_t ListProgress(int32_t index, int32_t count);

}  // namespace stdproc::transfer

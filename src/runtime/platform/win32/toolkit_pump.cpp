#include "runtime/platform/win32/toolkit_win32.h"

namespace rt::platform {

void Win32Toolkit::Pump(int32_t waitMs) {
  // Returns at once when a message is already waiting, even one seen before.
  if (waitMs > 0) {
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(waitMs), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace rt::platform

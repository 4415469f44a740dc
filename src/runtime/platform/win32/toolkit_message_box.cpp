#include "runtime/platform/win32/toolkit_win32.h"
#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

// The flags are the message box's own type bits: buttons, icon, default button.
int32_t Win32Toolkit::ShowMessage(const std::string& title, const std::string& text,
                                  uint32_t flags) {
  return MessageBoxW(ActiveWindow(), Wide(text).c_str(), Wide(title).c_str(), flags);
}

}  // namespace rt::platform

#include "runtime/platform/win32/toolkit_win32.h"
#include "runtime/platform/win32/wide_text.h"

namespace rt::platform {

// Points become pixels at the screen's resolution. A face that is not installed is
// matched by the font mapper to the closest one installed.
Native Win32Toolkit::LoadFont(const std::string& face, int32_t points, uint32_t flags) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontW(height, 0, 0, 0, (flags & FontBold) ? FW_BOLD : FW_NORMAL,
                           (flags & FontItalic) != 0, (flags & FontUnderline) != 0,
                           (flags & FontStrikeOut) != 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           Wide(face).c_str());
  return reinterpret_cast<Native>(font);
}

void Win32Toolkit::FreeFont(Native font) { DeleteObject(reinterpret_cast<HFONT>(font)); }

void Win32Toolkit::SetFont(Native gadget, Native font) {
  SendMessageW(Hwnd(gadget), WM_SETFONT, WPARAM(font), TRUE);
}

}  // namespace rt::platform

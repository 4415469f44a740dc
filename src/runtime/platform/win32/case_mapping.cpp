#include <windows.h>

#include "runtime/platform/system.h"

namespace rt::platform {

namespace {

// CharUpperBuffW and CharLowerBuffW map one unit at a time, as the Windows family does.
char16_t Mapped(char16_t c, DWORD(WINAPI* map)(LPWSTR, DWORD)) {
  wchar_t unit = static_cast<wchar_t>(c);
  map(&unit, 1);
  return static_cast<char16_t>(unit);
}

}  // namespace

char16_t UpperCase(char16_t c) { return Mapped(c, CharUpperBuffW); }

char16_t LowerCase(char16_t c) { return Mapped(c, CharLowerBuffW); }

}  // namespace rt::platform

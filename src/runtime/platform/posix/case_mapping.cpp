#include <locale.h>
#include <wctype.h>

#include "runtime/platform/system.h"

namespace rt::platform {

namespace {

// The program never changes its own locale; case mapping uses the full Unicode tables
// of C.UTF-8 whatever the user's LC_CTYPE says.
locale_t UnicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
  return locale;
}

// Surrogate halves are no characters and stay as they are.
bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

char16_t UpperCase(char16_t c) {
  if (c < 0x80) return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
  if (IsSurrogate(c) || !UnicodeLocale()) return c;
  wint_t mapped = towupper_l(c, UnicodeLocale());
  return mapped <= 0xFFFF ? static_cast<char16_t>(mapped) : c;
}

char16_t LowerCase(char16_t c) {
  if (c < 0x80) return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
  if (IsSurrogate(c) || !UnicodeLocale()) return c;
  wint_t mapped = towlower_l(c, UnicodeLocale());
  return mapped <= 0xFFFF ? static_cast<char16_t>(mapped) : c;
}

}  // namespace rt::platform

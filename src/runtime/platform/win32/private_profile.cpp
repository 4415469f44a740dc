#include "runtime/platform/private_profile.h"

#include <windows.h>

#include <string>

namespace rt::platform {

namespace {

std::wstring WideName(const Text& text) {
  const TextView visible = Visible(text);
  return std::wstring(visible.begin(), visible.end());
}

}  // namespace

// A null value deletes the key, a null key the whole section (its value is not read). The
// system writes the file only when an entry went, so a missing file stays missing; the
// outcome is not needed, as a missing file, section or key is no failure here.
void DeleteProfileKey(const Text& section, const Text& key, const Text& file) {
  WritePrivateProfileStringW(WideName(section).c_str(), WideName(key).c_str(), nullptr,
                             WideName(file).c_str());
}

void DeleteProfileSection(const Text& section, const Text& file) {
  WritePrivateProfileStringW(WideName(section).c_str(), nullptr, L"", WideName(file).c_str());
}

}  // namespace rt::platform

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "wallpaper/backends/backend.h"

namespace pendrel::backends {

namespace {

bool Present(const char* value) { return value != nullptr && value[0] != '\0'; }

void AddDesktop(std::vector<std::string>& desktops, std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (name.rfind("x-", 0) == 0) name.erase(0, 2);
  if (!name.empty()) desktops.push_back(std::move(name));
}

}  // namespace

bool Session::Is(std::initializer_list<std::string_view> names) const {
  for (const std::string& desktop : desktops) {
    for (std::string_view name : names) {
      if (desktop == name || (desktop.size() > name.size() && desktop.rfind(name, 0) == 0 &&
                              desktop[name.size()] == '-')) {
        return true;
      }
    }
  }
  return false;
}

Session SessionFrom(const char* currentDesktop, const char* desktopSession, const char* display,
                    const char* waylandDisplay, const char* swaySocket) {
  Session session;
  if (Present(currentDesktop)) {
    std::string_view rest = currentDesktop;
    while (!rest.empty()) {
      const size_t colon = rest.find(':');
      AddDesktop(session.desktops, std::string(rest.substr(0, colon)));
      rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
  }
  if (Present(desktopSession)) AddDesktop(session.desktops, desktopSession);
  // Under a Wayland compositor the X root window is not what the user sees.
  session.x11 = Present(display) && !Present(waylandDisplay);
  session.sway = Present(swaySocket);
  return session;
}

Session CurrentSession() {
  return SessionFrom(std::getenv("XDG_CURRENT_DESKTOP"), std::getenv("DESKTOP_SESSION"),
                     std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                     std::getenv("SWAYSOCK"));
}

}  // namespace pendrel::backends

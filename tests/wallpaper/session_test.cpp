// Which desktop backends a session gets, in the order they are tried.
#include <gtest/gtest.h>

#include "wallpaper/backends/backend.h"

namespace {

using pendrel::backends::BackendsFor;
using pendrel::backends::SessionFrom;

std::vector<std::string> Names(const char* current, const char* session, const char* display,
                               const char* wayland, const char* sway) {
  std::vector<std::string> names;
  for (const auto* backend : BackendsFor(SessionFrom(current, session, display, wayland, sway))) {
    names.emplace_back(backend->name);
  }
  return names;
}

TEST(Session, BackendsFollowTheDesktopThenTheXRoot) {
  using V = std::vector<std::string>;
  struct Case {
    const char* current;
    const char* session;
    const char* display;
    const char* wayland;
    const char* sway;
    V want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"ubuntu:GNOME", "ubuntu", ":0", nullptr, nullptr, V{"gnome", "x11"}},
           {"GNOME", "gnome", ":0", "wayland-0", nullptr, V{"gnome"}},
           {nullptr, "gnome-xorg", ":1", nullptr, nullptr, V{"gnome", "x11"}},
           {"Budgie:GNOME", nullptr, ":0", nullptr, nullptr, V{"gnome", "x11"}},
           {"Pantheon", nullptr, nullptr, nullptr, nullptr, V{"gnome"}},
           {"X-Cinnamon", "cinnamon", ":0", nullptr, nullptr, V{"cinnamon", "x11"}},
           {"MATE", "mate", ":0", nullptr, nullptr, V{"mate", "x11"}},
           {"KDE", "plasmawayland", ":0", "wayland-0", nullptr, V{"kde"}},
           {nullptr, "plasma", ":0", nullptr, nullptr, V{"kde", "x11"}},
           {"XFCE", "xfce", ":0.0", nullptr, nullptr, V{"xfce", "x11"}},
           {"LXQt", "lxqt", ":0", nullptr, nullptr, V{"lxqt", "x11"}},
           {"LXDE", "LXDE", ":0", nullptr, nullptr, V{"lxde", "x11"}},
           {"sway", "sway", ":0", "wayland-1", "/run/user/1000/sway-ipc.sock", V{"sway"}},
           {nullptr, nullptr, nullptr, "wayland-1", "/tmp/sway.sock", V{"sway"}},
           {"i3", "i3", ":0", nullptr, nullptr, V{"x11"}},
           {"", "", "", nullptr, nullptr, V{}},
           {"gnomeish", "materia", nullptr, nullptr, nullptr, V{}},
       }) {
    EXPECT_EQ(Names(c.current, c.session, c.display, c.wayland, c.sway), c.want)
        << (c.current ? c.current : "-") << " / " << (c.session ? c.session : "-");
  }
}

}  // namespace

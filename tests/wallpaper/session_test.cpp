// Which desktop backends a session gets, in the order they are tried.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/temp_dir.h"
#include "wallpaper/backends/backend.h"
#include "wallpaper/backends/session_bus.h"

namespace {

using pendrel::backends::BackendsFor;
using pendrel::backends::SessionBusAnnounced;
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

void SetOrUnset(const char* name, const char* value) {
  if (value == nullptr) {
    unsetenv(name);
  } else {
    setenv(name, value, 1);
  }
}

TEST(Session, ABusIsUsedOnlyWhereTheSessionNamesOne) {
  const char* names[] = {"DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"};
  std::optional<std::string> kept[2];
  for (int i = 0; i < 2; ++i) {
    if (const char* value = std::getenv(names[i])) kept[i] = value;
  }
  testsupport::TempDir withBus;
  testsupport::TempDir withoutBus;
  testsupport::WriteFileBytes(withBus / "bus", "");
  struct Case {
    const char* address;
    std::string runtimeDir;
    bool want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"unix:path=/run/user/1000/bus", "", true},
           {"unix:path=/run/user/1000/bus", withoutBus.path().string(), true},
           {nullptr, withBus.path().string(), true},
           {"", withBus.path().string(), false},
           {nullptr, withoutBus.path().string(), false},
           {nullptr, "", false},
           {"autolaunch:", withBus.path().string(), false},
           {"unix:path=/nowhere;autolaunch:", "", false},
       }) {
    SetOrUnset("DBUS_SESSION_BUS_ADDRESS", c.address);
    SetOrUnset("XDG_RUNTIME_DIR", c.runtimeDir.empty() ? nullptr : c.runtimeDir.c_str());
    EXPECT_EQ(SessionBusAnnounced(), c.want)
        << (c.address ? c.address : "-") << " " << c.runtimeDir;
  }
  for (int i = 0; i < 2; ++i) SetOrUnset(names[i], kept[i] ? kept[i]->c_str() : nullptr);
}

}  // namespace

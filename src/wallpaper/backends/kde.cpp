#include <cstdio>
#include <string>

#include "wallpaper/backends/backend.h"
#include "wallpaper/backends/session_bus.h"

namespace pendrel::backends {

namespace {

bool Matches(const Session& session) {
  return session.Is({"kde", "plasma", "plasmawayland", "plasmax11"});
}

// A JavaScript string literal holding text.
std::string ScriptString(const std::string& text) {
  std::string literal = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      literal += '\\';
      literal += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      literal += escaped;
    } else {
      literal += static_cast<char>(c);
    }
  }
  return literal + "\"";
}

// Every desktop gets the image wallpaper with this file. Plasma reloads only on a changed
// value, so the image is cleared first.
std::string Script(const std::string& uri) {
  return "var uri = " + ScriptString(uri) +
         ";\n"
         "var all = desktops();\n"
         "for (var i = 0; i < all.length; i++) {\n"
         "  var d = all[i];\n"
         "  d.wallpaperPlugin = \"org.kde.image\";\n"
         "  d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
         "  d.writeConfig(\"Image\", \"\");\n"
         "  d.writeConfig(\"Image\", uri);\n"
         "}\n";
}

bool Apply(const std::filesystem::path& picture) {
  const GioApi* gio = LoadGioApi();
  const std::string uri = FileUri(picture);
  if (gio == nullptr || uri.empty()) return false;
  GVariant* reply =
      CallSessionBus(*gio, "org.kde.plasmashell", "/PlasmaShell", "org.kde.PlasmaShell",
                     "evaluateScript", gio->g_variant_new("(s)", Script(uri).c_str()));
  if (reply == nullptr) return false;
  gio->g_variant_unref(reply);
  return true;
}

}  // namespace

const WallpaperBackend kKde{"kde", Matches, Apply, PreloadGio};

}  // namespace pendrel::backends

#include <cstdlib>

#include "gtk_toolkit.h"

namespace {

// Gadgets take exactly the sizes they are given, as the program's layouts expect, and
// progress bars fill their whole height.
constexpr const char* kGadgetStyle = R"css(
button { min-height: 0; min-width: 0; padding: 1px 6px; }
progressbar.horizontal > trough { min-width: 0; min-height: 0; }
progressbar.horizontal > trough > progress { min-width: 0; min-height: 0; }
progressbar > trough, progressbar > trough > progress { border-radius: 2px; }
)css";

void InstallGadgetStyle() {
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, kGadgetStyle, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}

}  // namespace

// The module's one entry: a toolkit connected to the display, or nullptr without one.
extern "C" __attribute__((visibility("default"))) rt::platform::Toolkit* PendrelCreateToolkit(
    rt::platform::ToolkitEvents* events) {
  // No accessibility bus is started for the program's few small windows, unless the
  // user asked for one.
  setenv("NO_AT_BRIDGE", "1", 0);
  setenv("GTK_A11Y", "none", 0);
  // Window positions and the pointer position are screen coordinates, which only X11
  // (XWayland on a Wayland desktop) gives out.
  gdk_set_allowed_backends("x11,*");
  if (!gtk_init_check(nullptr, nullptr)) return nullptr;
  InstallGadgetStyle();
  // Never destroyed: the runtime's tables may still close windows through it while the
  // process ends.
  static auto* toolkit = new pendrel_gtk::GtkToolkit(*events);
  return toolkit;
}

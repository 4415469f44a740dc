#include <algorithm>

#include "gtk_toolkit.h"

namespace pendrel_gtk {

namespace {

using rt::platform::KeepIgnored;

constexpr uint32_t kStyleBits = rt::WindowCaption | rt::WindowSystemMenu | rt::WindowSizingBorder |
                                rt::WindowMinimizeBox | rt::WindowMaximizeBox;

struct WindowState {
  GtkToolkit* toolkit = nullptr;
  GtkLayout* layout = nullptr;
  bool resizable = false;
  // The inner size last asked for or reported by the display server. Kept here so that a
  // size read right after a resize is the new one, as callers lay out their gadgets by it.
  int32_t width = 0, height = 0;
  int32_t reportedWidth = 0, reportedHeight = 0;
};

WindowState& State(GtkWidget* window) {
  return *static_cast<WindowState*>(g_object_get_data(G_OBJECT(window), "pendrel-window"));
}

// A fixed window takes the size of its inner area; a sizable one keeps the size it was
// given and lets the user change it.
void SetInnerSize(GtkWidget* window, int32_t width, int32_t height) {
  WindowState& state = State(window);
  state.width = width;
  state.height = height;
  if (state.resizable) {
    gtk_window_resize(GTK_WINDOW(window), std::max(width, 1), std::max(height, 1));
  } else {
    gtk_widget_set_size_request(GTK_WIDGET(state.layout), width, height);
  }
}

gboolean OnDelete(GtkWidget* window, GdkEvent*, gpointer) {
  State(window).toolkit->events().CloseRequested(ToNative(window));
  return TRUE;  // the program decides whether the window closes
}

gboolean OnConfigure(GtkWidget* window, GdkEventConfigure* event, gpointer) {
  WindowState& state = State(window);
  state.width = event->width;
  state.height = event->height;
  if (event->width != state.reportedWidth || event->height != state.reportedHeight) {
    state.reportedWidth = event->width;
    state.reportedHeight = event->height;
    state.toolkit->events().Resized(ToNative(window), event->width, event->height);
  }
  return FALSE;
}

gboolean OnFocusIn(GtkWidget* window, GdkEvent*, gpointer) {
  State(window).toolkit->SetActive(GTK_WINDOW(window));
  return FALSE;
}

void OnDestroy(GtkWidget* window, gpointer) { State(window).toolkit->Forget(GTK_WINDOW(window)); }

// Title bar, close box, sizing frame and the minimise and maximise boxes as the flags ask.
void ApplyFrame(GtkWidget* window, uint32_t style) {
  auto decorations = static_cast<GdkWMDecoration>(0);
  auto functions = GDK_FUNC_MOVE;
  auto add = [&](bool on, GdkWMDecoration d, GdkWMFunction f) {
    if (!on) return;
    decorations = static_cast<GdkWMDecoration>(decorations | d);
    functions = static_cast<GdkWMFunction>(functions | f);
  };
  add(style & rt::WindowCaption, static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE),
      GDK_FUNC_MOVE);
  add(style & rt::WindowSystemMenu, GDK_DECOR_MENU, GDK_FUNC_CLOSE);
  add(style & rt::WindowSizingBorder, GDK_DECOR_RESIZEH, GDK_FUNC_RESIZE);
  add(style & rt::WindowMinimizeBox, GDK_DECOR_MINIMIZE, GDK_FUNC_MINIMIZE);
  add(style & rt::WindowMaximizeBox, GDK_DECOR_MAXIMIZE, GDK_FUNC_MAXIMIZE);
  GdkWindow* gdkWindow = gtk_widget_get_window(window);
  gdk_window_set_decorations(gdkWindow, decorations);
  gdk_window_set_functions(gdkWindow, functions);
}

}  // namespace

GtkLayout* InnerArea(GtkWidget* window) { return State(window).layout; }

Native GtkToolkit::OpenWindow(int32_t x, int32_t y, int32_t width, int32_t height,
                              const std::string& title, uint32_t flags) {
  const bool tool = flags & rt::WindowToolWindow;
  uint32_t style = flags & kStyleBits;
  if (!style) style = rt::WindowCaption;

  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWidget* layout = gtk_layout_new(nullptr, nullptr);
  gtk_container_add(GTK_CONTAINER(window), layout);
  auto* state = new WindowState{
      this,  GTK_LAYOUT(layout), (style & rt::WindowSizingBorder) != 0, width, height, width,
      height};
  g_object_set_data_full(G_OBJECT(window), "pendrel-window", state,
                         [](gpointer p) { delete static_cast<WindowState*>(p); });

  gtk_window_set_title(GTK_WINDOW(window), title.c_str());
  gtk_window_set_resizable(GTK_WINDOW(window), state->resizable);
  gtk_window_set_deletable(GTK_WINDOW(window), !tool && (style & rt::WindowSystemMenu));
  if (tool) {
    gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_UTILITY);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(window), TRUE);
    gtk_window_set_skip_pager_hint(GTK_WINDOW(window), TRUE);
  }
  if (state->resizable) gtk_window_set_default_size(GTK_WINDOW(window), width, height);
  SetInnerSize(window, width, height);

  if (flags & rt::WindowScreenCentered) {
    gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER);
  } else if ((flags & rt::WindowCentered) && active_) {
    int32_t ax, ay, aw, ah;
    gtk_window_get_position(active_, &ax, &ay);
    gtk_window_get_size(active_, &aw, &ah);
    gtk_window_move(GTK_WINDOW(window), ax + (aw - width) / 2, ay + (ah - height) / 2);
  } else if (x != rt::Ignore || y != rt::Ignore) {
    gtk_window_move(GTK_WINDOW(window), KeepIgnored(x, 0), KeepIgnored(y, 0));
  }

  g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), nullptr);
  g_signal_connect(window, "configure-event", G_CALLBACK(OnConfigure), nullptr);
  g_signal_connect(window, "focus-in-event", G_CALLBACK(OnFocusIn), nullptr);
  g_signal_connect(window, "destroy", G_CALLBACK(OnDestroy), nullptr);

  gtk_widget_realize(window);
  ApplyFrame(window, style);
  gtk_widget_show_all(window);
  active_ = GTK_WINDOW(window);
  return ToNative(window);
}

void GtkToolkit::CloseWindow(Native window) { gtk_widget_destroy(Widget(window)); }

void GtkToolkit::MoveWindow(Native native, int32_t x, int32_t y, int32_t width, int32_t height) {
  GtkWidget* window = Widget(native);
  if (x != rt::Ignore || y != rt::Ignore) {
    int32_t cx, cy;
    gtk_window_get_position(GTK_WINDOW(window), &cx, &cy);
    gtk_window_move(GTK_WINDOW(window), KeepIgnored(x, cx), KeepIgnored(y, cy));
  }
  if (width != rt::Ignore || height != rt::Ignore) {
    const WindowState& state = State(window);
    SetInnerSize(window, KeepIgnored(width, state.width), KeepIgnored(height, state.height));
  }
}

void GtkToolkit::InnerSize(Native window, int32_t& width, int32_t& height) {
  const WindowState& state = State(Widget(window));
  width = state.width;
  height = state.height;
}

void GtkToolkit::Activate(Native window) {
  gtk_window_present(GTK_WINDOW(Widget(window)));
  active_ = GTK_WINDOW(Widget(window));
}

}  // namespace pendrel_gtk

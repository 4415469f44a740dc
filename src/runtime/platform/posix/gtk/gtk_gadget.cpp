#include <algorithm>
#include <string>

#include "gtk_toolkit.h"

namespace pendrel_gtk {

namespace {

// The gadget's own widget (label, button, progress bar) inside its clipping frame.
GtkWidget* Inner(Native gadget) {
  return static_cast<GtkWidget*>(g_object_get_data(G_OBJECT(Widget(gadget)), "pendrel-inner"));
}

gboolean SwallowScroll(GtkWidget*, GdkEvent*, gpointer) { return TRUE; }

// The trough fills the bar's whole height, as a bar of the asked size should; the theme's
// own bar is a thin line. Both have a one-pixel border.
void FitProgressHeight(GtkWidget* bar, int32_t height) {
  auto* provider = static_cast<GtkCssProvider*>(g_object_get_data(G_OBJECT(bar), "pendrel-css"));
  if (!provider) {
    provider = gtk_css_provider_new();
    gtk_style_context_add_provider(gtk_widget_get_style_context(bar), GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
    g_object_set_data_full(G_OBJECT(bar), "pendrel-css", provider, g_object_unref);
  }
  const std::string css =
      "progressbar > trough { min-height: " + std::to_string(std::max(height - 2, 0)) +
      "px; } progressbar > trough > progress { min-height: " +
      std::to_string(std::max(height - 4, 0)) + "px; }";
  gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
}

// A one-line text taller than its gadget (a large font in a low box) shows its middle,
// where the letters are, rather than only the empty space above them.
void CentreOverflowingLine(GtkAdjustment* vertical, gpointer label) {
  const double extra = gtk_adjustment_get_upper(vertical) - gtk_adjustment_get_page_size(vertical);
  const bool oneLine = pango_layout_get_line_count(gtk_label_get_layout(GTK_LABEL(label))) == 1;
  gtk_adjustment_set_value(vertical, extra > 0 && oneLine ? extra / 2 : 0);
}

void OnClicked(GtkButton*, gpointer frame) {
  auto* toolkit = static_cast<GtkToolkit*>(g_object_get_data(G_OBJECT(frame), "pendrel-toolkit"));
  toolkit->events().Clicked(ToNative(frame));
}

}  // namespace

// Every gadget sits in a frame of exactly the asked size that clips what does not fit,
// as gadgets of the program's other platform do; a larger font or a long text never
// pushes into the neighbours.
Native GtkToolkit::AddGadget(Native window, GtkWidget* widget, int32_t x, int32_t y, int32_t width,
                             int32_t height) {
  GtkWidget* frame = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(frame), GTK_POLICY_EXTERNAL,
                                 GTK_POLICY_EXTERNAL);
  gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(frame), GTK_SHADOW_NONE);
  g_signal_connect(frame, "scroll-event", G_CALLBACK(SwallowScroll), nullptr);
  gtk_container_add(GTK_CONTAINER(frame), widget);
  g_object_set_data(G_OBJECT(frame), "pendrel-inner", widget);
  g_object_set_data(G_OBJECT(frame), "pendrel-toolkit", this);
  gtk_widget_set_size_request(frame, std::max(width, 0), std::max(height, 0));
  gtk_layout_put(InnerArea(Widget(window)), frame, x, y);
  gtk_widget_show_all(frame);
  return ToNative(frame);
}

Native GtkToolkit::AddButton(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                             const std::string& text) {
  GtkWidget* button = gtk_button_new_with_label(text.c_str());
  Native frame = AddGadget(window, button, x, y, width, height);
  g_signal_connect(button, "clicked", G_CALLBACK(OnClicked), Widget(frame));
  return frame;
}

// Static texts: left and top aligned and wrapped, or centred (flag 1) or right aligned
// (flag 2) as the platform's static styles ask.
Native GtkToolkit::AddText(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                           const std::string& text, uint32_t flags) {
  GtkWidget* label = gtk_label_new(text.c_str());
  gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
  gtk_label_set_line_wrap_mode(GTK_LABEL(label), PANGO_WRAP_WORD_CHAR);
  gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
  if (flags & 1) {
    gtk_label_set_xalign(GTK_LABEL(label), 0.5f);
    gtk_label_set_justify(GTK_LABEL(label), GTK_JUSTIFY_CENTER);
  } else if (flags & 2) {
    gtk_label_set_xalign(GTK_LABEL(label), 1.0f);
    gtk_label_set_justify(GTK_LABEL(label), GTK_JUSTIFY_RIGHT);
  } else {
    gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
  }
  const Native frame = AddGadget(window, label, x, y, width, height);
  g_signal_connect(gtk_scrolled_window_get_vadjustment(GTK_SCROLLED_WINDOW(Widget(frame))),
                   "changed", G_CALLBACK(CentreOverflowingLine), label);
  return frame;
}

Native GtkToolkit::AddProgress(Native window, int32_t x, int32_t y, int32_t width, int32_t height,
                               uint32_t) {
  GtkWidget* bar = gtk_progress_bar_new();
  FitProgressHeight(bar, height);
  return AddGadget(window, bar, x, y, width, height);
}

void GtkToolkit::DestroyGadget(Native gadget) { gtk_widget_destroy(Widget(gadget)); }

void GtkToolkit::SetText(Native gadget, const std::string& text) {
  GtkWidget* inner = Inner(gadget);
  if (GTK_IS_LABEL(inner)) gtk_label_set_text(GTK_LABEL(inner), text.c_str());
  if (GTK_IS_BUTTON(inner)) gtk_button_set_label(GTK_BUTTON(inner), text.c_str());
}

void GtkToolkit::SetProgress(Native gadget, double fraction) {
  GtkWidget* inner = Inner(gadget);
  if (GTK_IS_PROGRESS_BAR(inner)) gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(inner), fraction);
}

void GtkToolkit::MoveGadget(Native gadget, int32_t x, int32_t y, int32_t width, int32_t height) {
  GtkWidget* frame = Widget(gadget);
  gtk_layout_move(GTK_LAYOUT(gtk_widget_get_parent(frame)), frame, x, y);
  gtk_widget_set_size_request(frame, std::max(width, 0), std::max(height, 0));
  if (GtkWidget* inner = Inner(gadget); GTK_IS_PROGRESS_BAR(inner))
    FitProgressHeight(inner, height);
}

bool GtkToolkit::ScreenRect(Native gadget, int32_t& x, int32_t& y, int32_t& width,
                            int32_t& height) {
  GtkWidget* frame = Widget(gadget);
  GtkLayout* layout = GTK_LAYOUT(gtk_widget_get_parent(frame));
  GdkWindow* area = gtk_layout_get_bin_window(layout);
  if (!area) return false;
  int32_t originX, originY, childX, childY;
  gdk_window_get_origin(area, &originX, &originY);
  gtk_container_child_get(GTK_CONTAINER(layout), frame, "x", &childX, "y", &childY, nullptr);
  gtk_widget_get_size_request(frame, &width, &height);
  x = originX + childX;
  y = originY + childY;
  return true;
}

bool GtkToolkit::PointerPosition(int32_t& x, int32_t& y) {
  GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
  GdkDevice* pointer = seat ? gdk_seat_get_pointer(seat) : nullptr;
  if (!pointer) return false;
  gdk_device_get_position(pointer, nullptr, &x, &y);
  return true;
}

}  // namespace pendrel_gtk

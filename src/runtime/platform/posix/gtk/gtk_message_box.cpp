#include <utility>
#include <vector>

#include "gtk_toolkit.h"
#include "runtime/messages.h"

namespace pendrel_gtk {

namespace {

struct Button {
  const char* label;
  int32_t code;
};

// The platform's button sets (the low four bits of the flags), left to right; the first
// button is the default one.
std::vector<Button> ButtonsFor(uint32_t flags) {
  switch (flags & 0xF) {
    case 1:
      return {{"_OK", rt::MessageOk}, {"_Abbrechen", rt::MessageCancel}};
    case 2:
      return {{"Ab_brechen", 3}, {"_Wiederholen", 4}, {"_Ignorieren", 5}};
    case 3:
      return {{"_Ja", rt::MessageYes}, {"_Nein", rt::MessageNo}, {"_Abbrechen", rt::MessageCancel}};
    case 4:
      return {{"_Ja", rt::MessageYes}, {"_Nein", rt::MessageNo}};
    case 5:
      return {{"_Wiederholen", 4}, {"_Abbrechen", rt::MessageCancel}};
    default:
      return {{"_OK", rt::MessageOk}};
  }
}

GtkMessageType IconFor(uint32_t flags) {
  switch (flags & 0xF0) {
    case 0x10:
      return GTK_MESSAGE_ERROR;
    case 0x20:
      return GTK_MESSAGE_QUESTION;
    case 0x30:
      return GTK_MESSAGE_WARNING;
    case 0x40:
      return GTK_MESSAGE_INFO;
    default:
      return GTK_MESSAGE_OTHER;
  }
}

}  // namespace

// Closing the box without a button (Escape, close box) answers Cancel where the box has
// one, else its last button (OK for a box with only OK, No for Yes/No).
int32_t GtkToolkit::ShowMessage(const std::string& title, const std::string& text, uint32_t flags) {
  GtkWidget* box = gtk_message_dialog_new(active_, GTK_DIALOG_MODAL, IconFor(flags),
                                          GTK_BUTTONS_NONE, "%s", text.c_str());
  gtk_window_set_title(GTK_WINDOW(box), title.c_str());
  const std::vector<Button> buttons = ButtonsFor(flags);
  int32_t onClose = buttons.back().code;
  for (const Button& button : buttons) {
    gtk_dialog_add_button(GTK_DIALOG(box), button.label, button.code);
    if (button.code == rt::MessageCancel) onClose = button.code;
  }
  gtk_dialog_set_default_response(GTK_DIALOG(box), buttons.front().code);
  if (!active_) gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER);
  const int32_t response = gtk_dialog_run(GTK_DIALOG(box));
  gtk_widget_destroy(box);
  while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
  return response > 0 ? response : onClose;
}

}  // namespace pendrel_gtk

#include "gtk_toolkit.h"

namespace pendrel_gtk {

void GtkToolkit::Pump(int32_t waitMs) {
  if (waitMs > 0 && !gtk_events_pending()) {
    // Wakes the blocking iteration when nothing else arrives in time.
    bool fired = false;
    const guint timer = g_timeout_add(
        static_cast<guint>(waitMs),
        [](gpointer flag) -> gboolean {
          *static_cast<bool*>(flag) = true;
          return G_SOURCE_REMOVE;
        },
        &fired);
    g_main_context_iteration(nullptr, TRUE);
    if (!fired) g_source_remove(timer);
  }
  while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}

}  // namespace pendrel_gtk

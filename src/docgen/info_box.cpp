#include "docgen/info_box.h"

#include "runtime/messages.h"
#include "stdproc/trace/trace.h"

namespace stdproc {

int32_t yInfoBox(rt::TextView title, rt::TextView text, int32_t flags) {
  TracedRoutine traced(u"yInfoBox");
  if (flags < 0) {
    rt::ConsoleWrite(text);
    return 0;
  }
  return rt::ShowMessage(title, yMessageText(text), static_cast<uint32_t>(flags));
}

rt::Text yMessageText(rt::TextView text) {
  // The blank after each escape is part of it, so "Zeile 1\n Zeile 2" breaks cleanly.
  return rt::TextReplace(rt::TextReplace(text, u"\\n ", u"\r\n"), u"\\' ", u"\"");
}

}  // namespace stdproc

#include "runtime/messages.h"

#include <cstdio>
#include <string>
#include <utility>

#include "runtime/window_objects.h"

namespace rt {

namespace {

bool consoleOpen = false;
MessageStandIn& StandIn() {
  static MessageStandIn standIn;
  return standIn;
}

}  // namespace

// Without a display a box cannot be shown; standard error keeps the message from being
// lost.
int32_t ShowMessage(TextView title, TextView text, uint32_t flags) {
  if (StandIn()) return StandIn()(Visible(title), Visible(text), flags);
  const std::string title8 = ToUtf8(Visible(title));
  const std::string text8 = ToUtf8(Visible(text));
  if (platform::Toolkit* toolkit = detail::RequireToolkit()) {
    return toolkit->ShowMessage(title8, text8, flags);
  }
  std::fprintf(stderr, "%s: %s\n", title8.c_str(), text8.c_str());
  std::fflush(stderr);
  return 0;
}

void SetMessageStandInForTests(MessageStandIn standIn) { StandIn() = std::move(standIn); }

void OpenConsole() { consoleOpen = true; }

void ConsoleWrite(TextView text) {
  if (!consoleOpen) return;
  const std::string bytes = ToUtf8(Visible(text));
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

// A terminal line ends in a line feed; a CR in front would show up in pipes and files.
void ConsoleWriteLine(TextView text) {
  ConsoleWrite(text);
  ConsoleWrite(u"\n");
}

}  // namespace rt

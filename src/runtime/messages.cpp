#include "runtime/messages.h"

#include <cstdio>
#include <string>

#include "runtime/window_objects.h"

namespace rt {

namespace {

bool consoleOpen = false;

}  // namespace

// Without a display a box cannot be shown; standard error keeps the message from being
// lost.
int32_t ShowMessage(TextView title, TextView text, uint32_t flags) {
  const std::string title8 = ToUtf8(Visible(title));
  const std::string text8 = ToUtf8(Visible(text));
  if (platform::Toolkit* toolkit = detail::RequireToolkit()) {
    return toolkit->ShowMessage(title8, text8, flags);
  }
  std::fprintf(stderr, "%s: %s\n", title8.c_str(), text8.c_str());
  std::fflush(stderr);
  return 0;
}

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

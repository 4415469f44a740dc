#include "runtime/messages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "runtime/window.h"
#include "support/process.h"
#include "support/shared_display.h"

namespace {

// Without a display the message must not get lost: standard error, result 0. Run in a
// fresh process, as the toolkit is loaded once per process.
TEST(ShowMessageWithoutDisplay, WritesTitleAndTextToStandardError) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        std::exit(rt::ShowMessage(u"Fehler", u"Datei fehlt: \u00e4.txt", 0x10) == 0 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "Fehler: Datei fehlt: \xc3\xa4\\.txt");
}

// Answers the message box titled `title` like a user: a click at a spot of its bottom row
// (fraction of its width), or a key.
std::unique_ptr<testsupport::Process> Answer(const std::string& title, const std::string& how) {
  const std::string find =
      "id=$(xdotool search --sync --onlyvisible --name '^" + title + "$' | head -1); sleep 0.5; ";
  std::string act;
  if (how.rfind("click:", 0) == 0) {
    act =
        "eval $(xdotool getwindowgeometry --shell $id); xdotool mousemove --sync "
        "$((X + WIDTH * " +
        how.substr(6) + " / 100)) $((Y + HEIGHT - 14)) click 1";
  } else {
    act = "xdotool windowfocus --sync $id key " + how;
  }
  return std::make_unique<testsupport::Process>(std::vector<std::string>{"sh", "-c", find + act});
}

TEST(ShowMessage, ReturnsTheCodeOfTheButtonTheUserChose) {
  testsupport::UseSharedDisplay();
  struct Case {
    uint32_t flags;
    std::string how;
    int32_t want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {0, "click:50", rt::MessageOk},
           {0x40, "Return", rt::MessageOk},
           {rt::MessageFlagYesNo | rt::MessageFlagIconQuestion, "click:25", rt::MessageYes},
           {rt::MessageFlagYesNo | rt::MessageFlagIconQuestion, "click:75", rt::MessageNo},
           {rt::MessageFlagYesNo, "Escape", rt::MessageNo},
           {rt::MessageFlagOkCancel, "Escape", rt::MessageCancel},
           {rt::MessageFlagYesNoCancel, "Return", rt::MessageYes},
       }) {
    auto user = Answer("Frage", c.how);
    EXPECT_EQ(rt::ShowMessage(u"Frage", u"Weiter?", c.flags), c.want) << c.flags << " " << c.how;
    user->Wait(std::chrono::seconds(10));
  }
}

TEST(Console, WritesOnlyOnceOpened) {
  testing::internal::CaptureStdout();
  rt::ConsoleWrite(u"hidden");
  rt::ConsoleWriteLine(u"hidden too");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  rt::OpenConsole();
  testing::internal::CaptureStdout();
  rt::ConsoleWrite(u"Gr\u00fc\u00dfe ");
  rt::ConsoleWriteLine(u"an alle");
  rt::ConsoleWriteLine(u"");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Gr\xc3\xbc\xc3\x9f"
            "e an alle\n\n");
}

}  // namespace

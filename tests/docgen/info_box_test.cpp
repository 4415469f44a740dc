#include "docgen/info_box.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "runtime/messages.h"
#include "runtime/text.h"
#include "support/environment.h"
#include "support/process.h"
#include "support/recorded_messages.h"
#include "support/shared_display.h"

namespace {

struct EscapeCase {
  const char* name;
  std::u16string text;
  std::u16string prepared;
};

class MessageText : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(MessageText, ResolvesEscapesWithTheirBlank) {
  EXPECT_EQ(stdproc::yMessageText(GetParam().text), GetParam().prepared);
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, MessageText,
    ::testing::Values(EscapeCase{"LineBreak", u"Zeile 1\\n Zeile 2", u"Zeile 1\r\nZeile 2"},
                      EscapeCase{"LineBreakAtTheEndWithoutBlankStays", u"Ende\\n", u"Ende\\n"},
                      EscapeCase{"LineBreakWithoutBlankStays", u"a\\nb", u"a\\nb"},
                      EscapeCase{"QuotesAroundAWord", u"Datei \\' Bild\\'  fehlt",
                                 u"Datei \"Bild\" fehlt"},
                      EscapeCase{"QuoteWithoutBlankStays", u"a\\'b", u"a\\'b"},
                      EscapeCase{"BothInOneText", u"\\' x\\' \\n y", u"\"x\"\r\ny"},
                      EscapeCase{"NoEscapes", u"Nichts zu tun", u"Nichts zu tun"},
                      EscapeCase{"Empty", u"", u""}),
    [](const auto& info) { return std::string(info.param.name); });

// Without a display a box asked for by mistake ends up on standard error on Linux, where
// the console case looks for it. The display is given back afterwards for the tests that
// show a box.
class InfoBox : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kDisplayVariables) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
      testsupport::SetEnvironment(name, std::nullopt);
    }
  }
  void TearDown() override {
    for (size_t i = 0; i < saved_.size(); ++i) {
      testsupport::SetEnvironment(kDisplayVariables[i], saved_[i]);
    }
  }

 private:
  static constexpr const char* kDisplayVariables[] = {"DISPLAY", "WAYLAND_DISPLAY"};
  std::vector<std::optional<std::string>> saved_;
};

TEST_F(InfoBox, NegativeFlagsWriteTheUnchangedTextToTheConsoleInsteadOfABox) {
  rt::OpenConsole();
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  const int32_t result = stdproc::yInfoBox(u"Titel", u"Zeile 1\\n Zeile 2", -1);
  const std::string out = ::testing::internal::GetCapturedStdout();
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(result, 0);
  EXPECT_EQ(out, "Zeile 1\\n Zeile 2");
  EXPECT_EQ(err, "");
}

TEST_F(InfoBox, ABoxShowsThePreparedTextUnderItsTitle) {
  testsupport::RecordedMessages boxes(rt::MessageOk);
  const int32_t result = stdproc::yInfoBox(u"Fehler", u"Zeile 1\\n \\' Zeile\\'  2", 0);
  EXPECT_EQ(boxes.Take(), "Fehler: Zeile 1\r\n\"Zeile\" 2\n");
  EXPECT_EQ(result, rt::MessageOk);  // the code of the button that closed it
}

// A real box on the test display, closed with the Return key as a user would. In a fresh
// process: the toolkit is loaded once per process, and the tests above want none.
int32_t AnswerABoxWithReturn() {
  testsupport::UseSharedDisplay();
  testsupport::Process user({"sh", "-c",
                             "id=$(xdotool search --sync --onlyvisible --name '^Hinweis$' | "
                             "head -1); sleep 0.5; xdotool windowfocus --sync $id key Return"});
  const int32_t result = stdproc::yInfoBox(u"Hinweis", u"Zeile 1\\n Zeile 2", 0);
  user.Wait(std::chrono::seconds(10));
  return result;
}

TEST(InfoBoxOnADisplay, PlainBoxGivesTheOkButtonsCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // exit, not _Exit: the display's server must end with this process.
  EXPECT_EXIT(std::exit(AnswerABoxWithReturn() == rt::MessageOk ? 0 : 1),
              ::testing::ExitedWithCode(0), "");
}

}  // namespace

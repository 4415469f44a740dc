// Trace lines on standard error: text from the server or a file cannot act on the terminal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "stdproc/trace/trace.h"
#include "support/environment.h"

namespace {

using namespace std::string_literals;

TEST(TraceLine, ControlCharactersAreShownAsEscapesOtherTextAsItIs) {
  // Read at the first trace line; nothing before this test traces.
  testsupport::SetEnvironment("PENDREL_TRACE", "1");
  struct Case {
    std::u16string text;
    std::string want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"\x1b[2J\x1b[31mrot.jpg", "\\x1b[2J\\x1b[31mrot.jpg"},
           {u"echt.jpg\rgefälscht.jpg", "echt.jpg\\rgef\xC3\xA4lscht.jpg"},
           {u"a\tb\nc\x07\x7f\x9b", "a\\tb\\nc\\x07\\x7f\\x9b"},
           {u"Grüße \u00a0\u2013 \u753b\U0001F600\\x41",
            "Gr\xC3\xBC\xC3\x9F"
            "e \xC2\xA0\xE2\x80\x93 "
            "\xE7\x94\xBB\xF0\x9F\x98\x80\\x41"},
           {u"bis hier\0danach"s, "bis hier"},
       }) {
    testing::internal::CaptureStderr();
    stdproc::yTrace(u"Pendrel", u"", u"SetWallpaperFromPage", c.text);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Pendrel/SetWallpaperFromPage: " + c.want + "\n");
  }
}

}  // namespace

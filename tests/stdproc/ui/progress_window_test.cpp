#include "stdproc/ui/progress_window.h"

#include <gtest/gtest.h>

#include "runtime/number.h"
#include "runtime/text.h"
#include "runtime/window.h"
#include "screen.h"
#include "support/environment.h"
#include "support/platform_expectations.h"
#include "support/shared_display.h"

namespace {

class ProgressWindow : public ::testing::Test {
 protected:
  void SetUp() override { testsupport::UseSharedDisplay(true); }
  void TearDown() override {
    rt::WindowCloseAll();
    uitest::Settle(50);
  }
};

int32_t Field(const rt::Text& result, int32_t n) {
  return static_cast<int32_t>(rt::TextToInt(rt::TextField(result, n, u"/")));
}

TEST_F(ProgressWindow, HandsBackFourNumbersAndLaysOutItsGadgets) {
  const rt::Text result = stdproc::yProgressWindow(u"Test", u"Text1", u"Text2", 100);
  ASSERT_EQ(rt::TextCount(result, u"/"), 3) << rt::ToUtf8(result);
  for (int32_t n = 1; n <= 4; ++n) EXPECT_GT(Field(result, n), 0) << n;
  const int32_t window = Field(result, 1);
  EXPECT_EQ(rt::WindowInnerWidth(window), 400);
  EXPECT_EQ(rt::WindowInnerHeight(window), 200);
  uitest::Settle();
  struct Want {
    int32_t field;
    uitest::Rect rect;
  };
  for (const Want& w : std::initializer_list<Want>{
           {2, {10, 160, 380, 30}}, {3, {10, 20, 380, 60}}, {4, {10, 90, 380, 60}}}) {
    const uitest::Rect got = uitest::GadgetInWindow("Test", window, Field(result, w.field));
    EXPECT_EQ(got.x, w.rect.x) << w.field;
    EXPECT_EQ(got.y, w.rect.y) << w.field;
    EXPECT_EQ(got.width, w.rect.width) << w.field;
    EXPECT_EQ(got.height, w.rect.height) << w.field;
  }
}

TEST_F(ProgressWindow, BarAtHalfIsFilledToItsMiddle) {
  const rt::Text result =
      stdproc::yProgressWindow(u"Fortschritt", u"Dateien werden kopiert", u"Datei 50 von 100", 100);
  const int32_t bar = Field(result, 2);
  rt::GadgetSetState(bar, 50);
  uitest::Settle();
  const std::string shot = uitest::Screenshot("progress_window");
  int32_t x, y, width, height;
  ASSERT_TRUE(rt::GadgetScreenRect(bar, x, y, width, height));
  const uitest::Rgb filled = uitest::PixelAt(shot, x + width / 4, y + height / 2);
  const uitest::Rgb empty = uitest::PixelAt(shot, x + 3 * width / 4, y + height / 2);
  const uitest::Rgb justFilled = uitest::PixelAt(shot, x + width / 2 - 4, y + height / 2);
  const uitest::Rgb justEmpty = uitest::PixelAt(shot, x + width / 2 + 4, y + height / 2);
  auto same = [](uitest::Rgb a, uitest::Rgb b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  };
  EXPECT_FALSE(same(filled, empty)) << "no filled part to be seen";
  EXPECT_TRUE(same(filled, justFilled)) << "filled part ends before the middle";
  EXPECT_TRUE(same(empty, justEmpty)) << "filled part goes past the middle";
}

TEST(ProgressWindowWithoutDisplay, GivesEmptyResult) {
  if (!testsupport::kDisplayCanBeMissing) GTEST_SKIP() << "Windows always has its desktop";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        testsupport::SetEnvironment("DISPLAY", std::nullopt);
        std::exit(stdproc::yProgressWindow(u"Test", u"a", u"b", 10).empty() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace

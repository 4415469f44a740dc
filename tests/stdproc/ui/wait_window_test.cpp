#include "stdproc/ui/wait_window.h"

#include <gtest/gtest.h>

#include "runtime/window.h"
#include "screen.h"
#include "support/shared_display.h"

namespace {

double fakeNow = 0.0;
double FakeClock() { return fakeNow; }

// The clock is driven by the test: each call of Pass() comes `ms` after the one before.
class WaitWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseSharedDisplay(true);
    fakeNow = 100000.0;
    stdproc::SetWaitWindowClock(FakeClock);
  }
  void TearDown() override {
    stdproc::yWaitWindow(u"C", u"");
    stdproc::SetWaitWindowClock(nullptr);
    rt::WindowCloseAll();
    uitest::Settle(50);
  }
  void Pass(double ms, rt::TextView mode = u"") {
    fakeNow += ms;
    stdproc::yWaitWindow(mode, u"");
  }
};

TEST_F(WaitWindow, IndexFollowsTheTimeBetweenCalls) {
  stdproc::yWaitWindow(u"O", u"Bitte warten");
  struct Case {
    double ms;
    int32_t index;
  };
  for (const Case& c : std::initializer_list<Case>{
           {0, 60}, {10, 35}, {24, 0}, {30, -15}, {1, 58}, {3, 52}, {0.4, 60}, {5, 48}}) {
    Pass(c.ms);
    EXPECT_EQ(stdproc::WaitDelta, static_cast<int32_t>(c.ms + 0.5)) << c.ms;
    EXPECT_EQ(stdproc::WaitIndex, c.index) << c.ms;
  }
}

TEST_F(WaitWindow, CharacterHopsOneColumnPerQuarterSecondAndStartsAgain) {
  stdproc::yWaitWindow(u"O", u"Bitte warten");
  EXPECT_EQ(stdproc::WaitPos, 1.0);
  EXPECT_EQ(stdproc::WaitHopText(stdproc::WaitPos), u".");
  for (int column = 2; column <= 19; ++column) {
    Pass(250);
    EXPECT_DOUBLE_EQ(stdproc::WaitPos, column) << column;
  }
  Pass(250);
  EXPECT_EQ(stdproc::WaitPos, 1.0) << "past the pattern's end it starts again";
}

TEST(WaitHopText, RightAlignsThePatternCharacter) {
  struct Case {
    double position;
    rt::Text want;
  };
  for (const Case& c : std::initializer_list<Case>{{1.0, u"."},
                                                   {1.6, u" ."},
                                                   {4.0, u"   :"},
                                                   {5.2, u"    \u00b4"},
                                                   {6.0, u"     ^"},
                                                   {7.5, u"       `"},
                                                   {19.0, u"                  ."}}) {
    EXPECT_EQ(stdproc::WaitHopText(c.position), c.want) << c.position;
  }
}

TEST_F(WaitWindow, BothFormsOpenAndEitherCloseModeClosesThem) {
  struct Case {
    const char16_t* open;
    const char16_t* close;
  };
  for (const Case& c :
       std::initializer_list<Case>{{u"O", u"C"}, {u"O-", u"C"}, {u"O", u"C-"}, {u"O-", u"C-"}}) {
    stdproc::yWaitWindow(c.open, u"Warten");
    const int32_t window = stdproc::WaitWindow;
    ASSERT_NE(window, 0);
    EXPECT_EQ(rt::WindowInnerWidth(window), 310);
    EXPECT_EQ(rt::WindowInnerHeight(window), 110);
    stdproc::yWaitWindow(c.close, u"");
    EXPECT_EQ(rt::WindowInnerWidth(window), 0);
  }
}

TEST_F(WaitWindow, OtherModesOnlyReadTheClock) {
  stdproc::yWaitWindow(u"O", u"Warten");
  Pass(10);
  const double pos = stdproc::WaitPos;
  const int32_t index = stdproc::WaitIndex;
  for (const char16_t* mode : {u"o", u"c", u"X", u"-"}) Pass(100, mode);
  EXPECT_EQ(stdproc::WaitPos, pos);
  EXPECT_EQ(stdproc::WaitIndex, index);
  EXPECT_EQ(stdproc::WaitDelta, 100);
  EXPECT_EQ(rt::WindowInnerWidth(stdproc::WaitWindow), 310) << "lower-case c is not close";
}

TEST_F(WaitWindow, FullWindowLooksAsLaidOut) {
  stdproc::yWaitWindow(u"O", u"Bitte warten");
  for (int i = 0; i < 8; ++i) Pass(10);
  uitest::Settle();
  const uitest::Rect bar =
      uitest::GadgetInWindow("Bitte warten", stdproc::WaitWindow, stdproc::WaitBar);
  EXPECT_EQ(bar.x, 5);
  EXPECT_EQ(bar.y, 30);
  EXPECT_EQ(bar.width, 300);
  EXPECT_EQ(bar.height, 10);
  int32_t x, y, w, h;
  ASSERT_TRUE(rt::GadgetScreenRect(stdproc::WaitBar, x, y, w, h));
  // Index 35 of 60: filled at a third, empty at nine tenths. A busy machine may paint the
  // bar late, so it gets a few looks.
  bool partlyFilled = false;
  for (int look = 0; look < 5 && !partlyFilled; ++look) {
    if (look > 0) uitest::Settle();
    const std::string shot = uitest::Screenshot("wait_window");
    const uitest::Rgb filled = uitest::PixelAt(shot, x + w / 3, y + h / 2);
    const uitest::Rgb empty = uitest::PixelAt(shot, x + 9 * w / 10, y + h / 2);
    partlyFilled = filled.blue - filled.red != empty.blue - empty.red;
  }
  EXPECT_TRUE(partlyFilled);
}

TEST_F(WaitWindow, PlainWindowSaysBitteWarten) {
  stdproc::yWaitWindow(u"O-", u"Einen Moment");
  uitest::Settle();
  uitest::Screenshot("wait_window_plain");
  const uitest::Rect text =
      uitest::GadgetInWindow("Einen Moment", stdproc::WaitWindow, stdproc::WaitRuler);
  EXPECT_EQ(text.x, 5);
  EXPECT_EQ(text.y, 45);
  EXPECT_EQ(text.width, 300);
  EXPECT_EQ(text.height, 30);
}

}  // namespace

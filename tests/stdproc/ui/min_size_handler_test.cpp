#include "stdproc/ui/min_size_handler.h"

#include <gtest/gtest.h>

#include "runtime/window.h"
#include "screen.h"
#include "support/process.h"
#include "support/shared_display.h"

namespace {

constexpr const char* kTitle = "Mindestgroesse";

// A sizable window with a main gadget and a button, held by the handler.
class MinSizeHandler : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseSharedDisplay(true);
    window = rt::WindowOpen(rt::AnyNumber, 20, 20, 700, 400, u"Mindestgroesse", 0x00CF0000);
    ASSERT_NE(window, 0);
    stdproc::MinSizeMainGadget = rt::GadgetText(rt::AnyNumber, 10, 10, 680, 345, u"Inhalt");
    stdproc::MinSizeButton = rt::GadgetButton(rt::AnyNumber, 285, 365, 130, 30, u"Schliessen");
    stdproc::MinSizeWindow = window;
    rt::SetWindowCallback(window, stdproc::yMinSizeHandler);
    uitest::Settle();
  }
  void TearDown() override {
    rt::WindowCloseAll();
    uitest::Settle(50);
  }

  // Resizes the window from outside, as the user does with its frame.
  void UserResizes(int width, int height) {
    auto id = testsupport::Run({"xdotool", "search", "--name", std::string("^") + kTitle + "$"});
    ASSERT_FALSE(id.out.empty());
    testsupport::Run({"xdotool", "windowsize", id.out.substr(0, id.out.find('\n')),
                      std::to_string(width), std::to_string(height)});
    uitest::Settle(600);
  }

  void ExpectRect(int32_t gadget, uitest::Rect want) {
    const uitest::Rect got = uitest::GadgetInWindow(kTitle, window, gadget);
    EXPECT_EQ(got.x, want.x) << gadget;
    EXPECT_EQ(got.y, want.y) << gadget;
    EXPECT_EQ(got.width, want.width) << gadget;
    EXPECT_EQ(got.height, want.height) << gadget;
  }

  int32_t window = 0;
};

TEST_F(MinSizeHandler, ShrunkWindowSpringsBackToTheMinimum) {
  UserResizes(500, 300);
  EXPECT_EQ(rt::WindowInnerWidth(window), 670);
  EXPECT_EQ(rt::WindowInnerHeight(window), 386);
  ExpectRect(stdproc::MinSizeMainGadget, {10, 10, 650, 331});
  ExpectRect(stdproc::MinSizeButton, {270, 351, 130, 30});
}

TEST_F(MinSizeHandler, EnlargedWindowKeepsItsSizeAndFillsIt) {
  UserResizes(1000, 600);
  EXPECT_EQ(rt::WindowInnerWidth(window), 1000);
  EXPECT_EQ(rt::WindowInnerHeight(window), 600);
  ExpectRect(stdproc::MinSizeMainGadget, {10, 10, 980, 545});
  ExpectRect(stdproc::MinSizeButton, {435, 565, 130, 30});
}

TEST_F(MinSizeHandler, OtherMessagesGoOnAsUsual) {
  for (int32_t message : {0, 6, 512}) {
    EXPECT_EQ(stdproc::yMinSizeHandler(window, message, 0, 0), rt::WindowCallbackDefault);
  }
  EXPECT_EQ(stdproc::yMinSizeHandler(window, rt::WindowMessageResize, 700, 400),
            rt::WindowCallbackDefault);
  ExpectRect(stdproc::MinSizeButton, {285, 365, 130, 30});
}

}  // namespace

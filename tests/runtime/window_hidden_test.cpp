#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "runtime/window.h"
#include "support/environment.h"
#include "support/platform_expectations.h"

namespace {

class HiddenWindow : public ::testing::Test {
 protected:
  void TearDown() override { rt::WindowCloseAll(); }
};

std::string LoadedLibraries() {
  std::ifstream maps("/proc/self/maps");
  std::stringstream all;
  all << maps.rdbuf();
  return all.str();
}

// A fresh process without a display: the hidden window and its web view must not need
// one, nor load the toolkit at all.
TEST(HiddenWindowStartUp, NeedsNoDisplayAndNoToolkit) {
  if (!testsupport::kDisplayCanBeMissing) GTEST_SKIP() << "Windows always has its desktop";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        testsupport::SetEnvironment("DISPLAY", std::nullopt);
        testsupport::SetEnvironment("WAYLAND_DISPLAY", std::nullopt);
        const int32_t window = rt::WindowOpen(rt::AnyNumber, 0, 0, 600, 400, u"", 0x10C80000);
        const int32_t web = rt::GadgetWeb(rt::AnyNumber, 85, 85, 365, 160, u"");
        const bool gtk = LoadedLibraries().find("libgtk-3") != std::string::npos;
        std::exit(window != 0 && web != 0 && !gtk ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(HiddenWindow, KeepsItsSizeAndHonoursIgnore) {
  const int32_t window = rt::WindowOpen(rt::AnyNumber, 0, 0, 600, 400, u"", 0x10C80000);
  ASSERT_NE(window, 0);
  EXPECT_EQ(rt::WindowInnerWidth(window), 600);
  EXPECT_EQ(rt::WindowInnerHeight(window), 400);
  rt::WindowResize(window, rt::Ignore, rt::Ignore, 300, rt::Ignore);
  EXPECT_EQ(rt::WindowInnerWidth(window), 300);
  EXPECT_EQ(rt::WindowInnerHeight(window), 400);
  const int32_t placed = rt::WindowOpen(rt::AnyNumber, rt::Ignore, rt::Ignore, rt::Ignore,
                                        rt::Ignore, u"", 0x10000000);
  ASSERT_NE(placed, 0) << "an ignored size is the platform's choice";
  EXPECT_GT(rt::WindowInnerWidth(placed), 0);
  EXPECT_GT(rt::WindowInnerHeight(placed), 0);
}

TEST_F(HiddenWindow, NumbersFollowTheObjectRules) {
  const int32_t chosen = rt::WindowOpen(rt::AnyNumber, 0, 0, 10, 10, u"", rt::WindowInvisible);
  EXPECT_GT(chosen, 0);
  EXPECT_NE(rt::WindowOpen(5, 0, 0, 20, 20, u"", rt::WindowInvisible), 0);
  EXPECT_EQ(rt::WindowInnerWidth(5), 20);
  EXPECT_NE(rt::WindowOpen(5, 0, 0, 30, 30, u"", rt::WindowInvisible), 0);  // replaces
  EXPECT_EQ(rt::WindowInnerWidth(5), 30);
  EXPECT_EQ(rt::WindowOpen(-7, 0, 0, 10, 10, u"", rt::WindowInvisible), 0);
  rt::WindowClose(5);
  EXPECT_EQ(rt::WindowInnerWidth(5), 0);
  rt::WindowClose(5);  // unknown number: nothing
}

TEST_F(HiddenWindow, GadgetsWorkWithoutAToolkitAndGoWithTheirWindow) {
  const int32_t window = rt::WindowOpen(rt::AnyNumber, 0, 0, 400, 200, u"", rt::WindowInvisible);
  const int32_t text = rt::GadgetText(rt::AnyNumber, 10, 20, 380, 60, u"Text1");
  const int32_t bar = rt::GadgetProgress(rt::AnyNumber, 10, 160, 380, 30, 0, 100);
  const int32_t button = rt::GadgetButton(rt::AnyNumber, 10, 100, 80, 30, u"OK");
  EXPECT_NE(text, 0);
  EXPECT_NE(bar, 0);
  EXPECT_NE(button, 0);
  rt::GadgetSetState(bar, 50);
  rt::GadgetSetText(text, u"Text2");
  EXPECT_EQ(rt::GadgetHandle(text), 0) << "nothing is drawn for a hidden window";
  int32_t x, y, w, h;
  EXPECT_FALSE(rt::GadgetScreenRect(text, x, y, w, h));
  rt::WindowClose(window);
  EXPECT_EQ(rt::GadgetButton(rt::AnyNumber, 0, 0, 10, 10, u"late"), 0)
      << "the window opened last is gone";
}

}  // namespace

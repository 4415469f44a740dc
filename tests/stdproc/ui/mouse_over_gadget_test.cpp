#include "stdproc/ui/mouse_over_gadget.h"

#include <gtest/gtest.h>

#include "runtime/window.h"
#include "screen.h"
#include "support/process.h"
#include "support/shared_display.h"

namespace {

class MouseOverGadget : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::UseSharedDisplay(true);
    ASSERT_NE(rt::WindowOpen(rt::AnyNumber, 100, 100, 300, 200, u"Maus", 0x00C80000), 0);
    gadget = rt::GadgetButton(rt::AnyNumber, 40, 30, 120, 50, u"Ziel");
    ASSERT_NE(gadget, 0);
    uitest::Settle();
    ASSERT_TRUE(rt::GadgetScreenRect(gadget, left, top, width, height));
  }
  void TearDown() override {
    rt::WindowCloseAll();
    uitest::Settle(50);
  }
  static void MovePointer(int32_t x, int32_t y) {
    testsupport::Run({"xdotool", "mousemove", "--sync", std::to_string(x), std::to_string(y)});
  }

  int32_t gadget = 0;
  int32_t left = 0, top = 0, width = 0, height = 0;
};

TEST_F(MouseOverGadget, RightAndBottomEdgesBelongToTheNeighbours) {
  EXPECT_EQ(width, 120);
  EXPECT_EQ(height, 50);
  struct Case {
    int32_t dx, dy, want;
  };
  for (const Case& c : std::initializer_list<Case>{{0, 0, 1},
                                                   {width - 1, height - 1, 1},
                                                   {width, 0, 0},
                                                   {0, height, 0},
                                                   {-1, 0, 0},
                                                   {0, -1, 0},
                                                   {width / 2, height / 2, 1}}) {
    MovePointer(left + c.dx, top + c.dy);
    EXPECT_EQ(stdproc::yMouseOverGadget(gadget), c.want) << c.dx << "," << c.dy;
  }
}

TEST_F(MouseOverGadget, OnlyGeometryCountsEvenUnderAnotherWindow) {
  ASSERT_NE(rt::WindowOpen(rt::AnyNumber, 50, 50, 500, 400, u"Darueber", 0x00C80000), 0);
  uitest::Settle();
  MovePointer(left + 5, top + 5);
  EXPECT_EQ(stdproc::yMouseOverGadget(gadget), 1);
}

TEST_F(MouseOverGadget, UnknownGadgetIsNeverUnderThePointer) {
  MovePointer(0, 0);
  EXPECT_EQ(stdproc::yMouseOverGadget(gadget + 1000), 0);
  EXPECT_EQ(stdproc::yMouseOverGadget(-5), 0);
}

}  // namespace

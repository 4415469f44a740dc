#include <gtest/gtest.h>

#include <string>

#include "event_pump.h"
#include "runtime/timing.h"
#include "runtime/window.h"
#include "support/process.h"
#include "support/shared_display.h"
#include "support/temp_dir.h"

namespace {

// Lets the toolkit and the X server settle: map, configure, draw.
void Settle(int32_t ms = 300) {
  const int32_t start = rt::ElapsedMs();
  while (rt::ElapsedMs() - start < ms) {
    rt::EventNext();
    rt::DelayMs(5);
  }
}

struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
  bool mapped = false;
};

// What the X server says of a window, found by its title.
Geometry XGeometry(const std::string& title) {
  Geometry g;
  auto id = testsupport::Run({"xdotool", "search", "--name", "^" + title + "$"});
  if (id.out.empty()) return g;
  const std::string window = id.out.substr(0, id.out.find('\n'));
  auto info = testsupport::Run({"xwininfo", "-id", window});
  auto field = [&](const std::string& name) {
    size_t at = info.out.find(name);
    return at == std::string::npos ? -1 : std::stoi(info.out.substr(at + name.size()));
  };
  g.x = field("Absolute upper-left X:");
  g.y = field("Absolute upper-left Y:");
  g.width = field("Width:");
  g.height = field("Height:");
  g.mapped = info.out.find("IsViewable") != std::string::npos;
  return g;
}

class ShownWindow : public ::testing::Test {
 protected:
  void SetUp() override { testsupport::UseSharedDisplay(); }
  void TearDown() override {
    rt::WindowCloseAll();
    Settle(50);
  }
};

TEST_F(ShownWindow, OpensAtTheAskedPlaceWithTheAskedInnerSize) {
  const int32_t window = rt::WindowOpen(rt::AnyNumber, 40, 50, 400, 200, u"Geometrie", 0x00CE0000);
  ASSERT_NE(window, 0);
  Settle();
  Geometry g = XGeometry("Geometrie");
  EXPECT_TRUE(g.mapped);
  EXPECT_EQ(g.x, 40);
  EXPECT_EQ(g.y, 50);
  EXPECT_EQ(g.width, 400);
  EXPECT_EQ(g.height, 200);
  EXPECT_EQ(rt::WindowInnerWidth(window), 400);
  EXPECT_EQ(rt::WindowInnerHeight(window), 200);
}

}  // namespace

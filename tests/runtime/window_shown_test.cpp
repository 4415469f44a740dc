#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "event_pump.h"
#include "runtime/timing.h"
#include "runtime/window.h"
#include "support/environment.h"
#include "support/platform_expectations.h"
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

// Windows places the outer frame at the asked point, so the inner area sits a border to
// the right and a title bar lower; an X window that no manager frames has its inner area
// there.
void ExpectPlacedAt(const Geometry& g, int x, int y) {
  const int border = g.x - x, titleBar = g.y - y;
  EXPECT_TRUE(testsupport::kWin32Frames ? border > 0 && titleBar > border
                                        : border == 0 && titleBar == 0)
      << "inner area at " << g.x << "," << g.y;
}

// The toolkit is loaded once per process, so this runs in a process of its own.
TEST(ToolkitLoad, AProgramWithoutADisplayAtFirstGetsWindowsOnceItHasOne) {
  if (!testsupport::kDisplayCanBeMissing) GTEST_SKIP() << "Windows always has its desktop";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // The toolkit keeps a few bytes of a failed connection for good; a sanitizer build's
  // leak check at the child's exit would count them against the test.
  const char* sanitizer = std::getenv("ASAN_OPTIONS");
  const std::optional<std::string> options =
      sanitizer ? std::optional<std::string>(sanitizer) : std::nullopt;
  testsupport::SetEnvironment("ASAN_OPTIONS", options.value_or("") + ":detect_leaks=0");
  EXPECT_EXIT(
      {
        testsupport::SetEnvironment("DISPLAY", std::nullopt);
        testsupport::SetEnvironment("WAYLAND_DISPLAY", std::nullopt);
        if (rt::WindowOpen(rt::AnyNumber, 0, 0, 100, 100, u"Ohne", 0) != 0) std::exit(1);
        testsupport::UseSharedDisplay();
        // exit, not _Exit: the display's server must end with this process.
        std::exit(rt::WindowOpen(rt::AnyNumber, 0, 0, 100, 100, u"Später", 0) != 0 ? 0 : 2);
      },
      ::testing::ExitedWithCode(0), "");
  testsupport::SetEnvironment("ASAN_OPTIONS", options);
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
  ExpectPlacedAt(g, 40, 50);
  EXPECT_EQ(g.width, 400);
  EXPECT_EQ(g.height, 200);
  EXPECT_EQ(rt::WindowInnerWidth(window), 400);
  EXPECT_EQ(rt::WindowInnerHeight(window), 200);
}

std::string XProp(const std::string& title, const std::string& property) {
  return testsupport::Run({"xprop", "-name", title, property}).out;
}

TEST_F(ShownWindow, FlagsChooseTheFrame) {
  struct Case {
    const char16_t* title;
    uint32_t flags;
    const char* motif;       // functions, decorations as xprop prints them
    const char* win32Motif;  // the same for a window with a Win32 frame
  };
  // Functions: 2 resize, 4 move, 8 minimise, 16 maximise, 32 close. Decorations: 2 border,
  // 4 sizing, 8 title, 16 menu, 32 minimise, 64 maximise.
  for (const Case& c : std::initializer_list<Case>{
           {u"Ohne", 0, "0x3, 0x4, 0xa,", "0x3, 0x24, 0xa,"},
           {u"Inhalt", 0x00C80000, "0x3, 0x24, 0x1a,", "0x3, 0x24, 0x1a,"},
           {u"Gross", 0x00CF0000, "0x3, 0x3e, 0x7e,", "0x3, 0x3e, 0x7e,"},
           {u"Werkzeug", 0x00C00080, "0x3, 0x4, 0xa,", "0x3, 0x24, 0x0,"}}) {
    ASSERT_NE(rt::WindowOpen(rt::AnyNumber, 0, 0, 100, 50, c.title, c.flags), 0);
    Settle(100);
    const std::string title(c.title, c.title + std::char_traits<char16_t>::length(c.title));
    const char* want = testsupport::kWin32Frames ? c.win32Motif : c.motif;
    EXPECT_NE(XProp(title, "_MOTIF_WM_HINTS").find(want), std::string::npos)
        << title << ": " << XProp(title, "_MOTIF_WM_HINTS");
  }
  // A tool window has no task-bar entry.
  EXPECT_NE(XProp("Werkzeug", "_NET_WM_STATE").find("SKIP_TASKBAR"), std::string::npos);
}

TEST_F(ShownWindow, InvisibleWindowIsNeverMappedYetItsGadgetsWork) {
  const int32_t window = rt::WindowOpen(rt::AnyNumber, 0, 0, 600, 400, u"Versteckt", 0x10C80000);
  ASSERT_NE(window, 0);
  const int32_t bar = rt::GadgetProgress(rt::AnyNumber, 10, 10, 100, 10, 0, 10);
  EXPECT_NE(bar, 0);
  rt::GadgetSetState(bar, 5);
  Settle();
  EXPECT_FALSE(XGeometry("Versteckt").mapped);
  rt::WindowResize(window, 5, 5, 300, 200);
  Settle(100);
  EXPECT_FALSE(XGeometry("Versteckt").mapped);
  EXPECT_EQ(rt::WindowInnerWidth(window), 300);
}

TEST_F(ShownWindow, CentresOnTheActiveWindow) {
  ASSERT_NE(rt::WindowOpen(rt::AnyNumber, 100, 100, 400, 300, u"Haupt", 0x00C80000), 0);
  Settle();
  ASSERT_NE(rt::WindowOpen(rt::AnyNumber, 0, 0, 200, 100, u"Mitte", 0x00C80002), 0);
  Settle();
  const Geometry main = XGeometry("Haupt"), centred = XGeometry("Mitte");
  EXPECT_EQ(centred.x + centred.width / 2, main.x + main.width / 2);
  EXPECT_EQ(centred.y + centred.height / 2, main.y + main.height / 2);
}

uint32_t lastMessage = 0;
int32_t lastWindow = 0, lastWidth = 0, lastHeight = 0;
uint32_t Record(int32_t window, int32_t message, int32_t width, int32_t height) {
  lastWindow = window;
  lastMessage = static_cast<uint32_t>(message);
  lastWidth = width;
  lastHeight = height;
  return rt::WindowCallbackDefault;
}

TEST_F(ShownWindow, ResizeKeepsIgnoredValuesAndCallsTheCallback) {
  const int32_t window = rt::WindowOpen(rt::AnyNumber, 30, 40, 300, 200, u"Gross", 0x00CF0000);
  rt::SetWindowCallback(window, Record);
  Settle();
  rt::WindowResize(window, rt::Ignore, rt::Ignore, 500, rt::Ignore);
  EXPECT_EQ(rt::WindowInnerWidth(window), 500) << "the new size is known at once";
  Settle();
  EXPECT_EQ(lastWindow, window);
  EXPECT_EQ(lastMessage, static_cast<uint32_t>(rt::WindowMessageResize));
  EXPECT_EQ(lastWidth, 500);
  EXPECT_EQ(lastHeight, 200);
  const Geometry g = XGeometry("Gross");
  ExpectPlacedAt(g, 30, 40);
  EXPECT_EQ(g.width, 500);
  EXPECT_EQ(g.height, 200);
}

TEST_F(ShownWindow, ButtonClickIsAGadgetEvent) {
  const int32_t window = rt::WindowOpen(rt::AnyNumber, 0, 0, 200, 100, u"Knopf", 0x00C80000);
  const int32_t button = rt::GadgetButton(rt::AnyNumber, 20, 20, 100, 30, u"OK");
  Settle();
  int32_t x, y, w, h;
  ASSERT_TRUE(rt::GadgetScreenRect(button, x, y, w, h));
  testsupport::Run({"xdotool", "mousemove", "--sync", std::to_string(x + w / 2),
                    std::to_string(y + h / 2), "click", "1"});
  auto seen = runtimetest::PumpUntil([](const auto& events) { return !events.empty(); },
                                     std::chrono::seconds(5));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].code, rt::GadgetEvent);
  EXPECT_EQ(seen[0].window, window);
  EXPECT_EQ(seen[0].gadget, button);
}

TEST_F(ShownWindow, FontsLoadAndFallBackForMissingFaces) {
  ASSERT_NE(rt::WindowOpen(rt::AnyNumber, 0, 0, 200, 100, u"Schrift", 0x00C80000), 0);
  const int32_t text = rt::GadgetText(rt::AnyNumber, 0, 0, 200, 30, u"Bitte warten");
  struct Case {
    const char16_t* face;
    int32_t size;
    uint32_t flags;
    bool loads;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"Courier New", 20, rt::FontBold, true},
           {u"No Such Face", 10, rt::FontItalic | rt::FontUnderline | rt::FontStrikeOut, true},
           {u"Courier New", 0, 0, false}}) {
    const int32_t font = rt::FontLoad(rt::AnyNumber, c.face, c.size, c.flags);
    EXPECT_EQ(font != 0, c.loads);
    EXPECT_EQ(rt::FontHandle(font) != 0, c.loads);
    rt::GadgetSetFont(text, rt::FontHandle(font));
  }
  EXPECT_EQ(rt::FontHandle(424242), 0);
}

}  // namespace

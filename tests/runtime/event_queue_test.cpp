#include <gtest/gtest.h>

#include <chrono>

#include "runtime/platform/http_get.h"
#include "runtime/text.h"
#include "runtime/timing.h"
#include "runtime/window.h"
#include "support/http_server.h"
#include "support/temp_dir.h"

namespace {

class EventQueue : public ::testing::Test {
 protected:
  void SetUp() override {
    window = rt::WindowOpen(rt::AnyNumber, 0, 0, 100, 100, u"", rt::WindowInvisible);
    ASSERT_NE(window, 0);
  }
  void TearDown() override {
    rt::WindowCloseAll();
    while (rt::EventNext() != 0) {
    }
  }
  int32_t window = 0;
};

TEST_F(EventQueue, EmptyQueueAnswersZeroAtOnce) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 100; ++i) ASSERT_EQ(rt::EventNext(), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(EventQueue, EventsComeOutInOrderWithTheirWindowGadgetAndType) {
  rt::EventPost(rt::GadgetEvent, window, 7, rt::DownloadStart);
  rt::EventPost(rt::CloseWindowEvent, window, 0, 0);
  rt::EventPost(rt::GadgetEvent, window, 8, rt::DownloadEnd);
  struct Want {
    int32_t code, gadget, type;
  };
  for (const Want& w : std::initializer_list<Want>{{rt::GadgetEvent, 7, rt::DownloadStart},
                                                   {rt::CloseWindowEvent, 0, 0},
                                                   {rt::GadgetEvent, 8, rt::DownloadEnd}}) {
    EXPECT_EQ(rt::EventNext(), w.code);
    EXPECT_EQ(rt::EventWindow(), window);
    EXPECT_EQ(rt::EventGadget(), w.gadget);
    EXPECT_EQ(rt::EventType(), w.type);
  }
  EXPECT_EQ(rt::EventNext(), 0);
}

TEST_F(EventQueue, CloseRequestQueuesCloseEventAndLeavesTheWindowOpen) {
  rt::WindowRequestClose(window);
  rt::WindowRequestClose(window + 1000);  // no such window: nothing
  EXPECT_EQ(rt::EventNext(), rt::CloseWindowEvent);
  EXPECT_EQ(rt::EventWindow(), window);
  EXPECT_EQ(rt::EventNext(), 0);
  EXPECT_EQ(rt::WindowInnerWidth(window), 100);
}

TEST_F(EventQueue, ClosingAWindowDropsOnlyItsPendingEvents) {
  const int32_t other = rt::WindowOpen(rt::AnyNumber, 0, 0, 10, 10, u"", rt::WindowInvisible);
  rt::EventPost(rt::GadgetEvent, window, 1, rt::DownloadEnd);
  rt::EventPost(rt::GadgetEvent, other, 2, rt::DownloadEnd);
  rt::WindowRequestClose(window);
  rt::WindowClose(window);
  EXPECT_EQ(rt::EventNext(), rt::GadgetEvent);
  EXPECT_EQ(rt::EventWindow(), other);
  EXPECT_EQ(rt::EventNext(), 0);
}

TEST_F(EventQueue, WaitReturnsAPendingEventAtOnce) {
  rt::EventPost(rt::CloseWindowEvent, window, 0, 0);
  EXPECT_EQ(rt::EventWait(), rt::CloseWindowEvent);
}

TEST_F(EventQueue, WaitBlocksUntilAnEventArrives) {
  rt::platform::HttpLimits limits;
  limits.stallSeconds = 1;
  rt::platform::SetHttpLimits(limits);
  testsupport::TempDir site;
  testsupport::HttpServer server(site.path());
  const int32_t web =
      rt::GadgetWeb(rt::AnyNumber, 0, 0, 10, 10, rt::FromUtf8(server.Url("__hang")));
  ASSERT_EQ(rt::EventWait(), rt::GadgetEvent);
  EXPECT_EQ(rt::EventType(), rt::DownloadStart);
  const int32_t start = rt::ElapsedMs();
  ASSERT_EQ(rt::EventWait(), rt::GadgetEvent);
  EXPECT_EQ(rt::EventGadget(), web);
  EXPECT_EQ(rt::EventType(), rt::DownloadEnd);
  EXPECT_GE(rt::ElapsedMs() - start, 900) << "returned before the stalled load ended";
  rt::platform::SetHttpLimits({});
}

}  // namespace

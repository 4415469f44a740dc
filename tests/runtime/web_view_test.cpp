#include <gtest/gtest.h>

#include "event_pump.h"
#include "runtime/platform/http_get.h"
#include "runtime/text.h"
#include "runtime/timing.h"
#include "runtime/window.h"
#include "support/http_server.h"
#include "support/platform_expectations.h"
#include "support/temp_dir.h"

namespace {

using runtimetest::CountOf;
using runtimetest::PumpUntilDownloadEnds;
using runtimetest::SeenEvent;

// A hidden window with a web view, as the program's content window has.
class WebView : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::platform::HttpLimits limits;
    limits.connectTimeoutMs = 2000;
    limits.stallSeconds = 1;
    rt::platform::SetHttpLimits(limits);
    testsupport::WriteFileBytes(site.path() / "inhalt.php",
                                "bild/a.jpg\r\nbild/\xc3\xa4.jpg\r\nbild/c.jpg");
    testsupport::WriteFileBytes(site.path() / "ansi.txt",
                                "M\xfc"
                                "nchen\r\n");
    testsupport::WriteFileBytes(site.path() / "a b.txt", "blank in the name");
    window = rt::WindowOpen(rt::AnyNumber, 0, 0, 600, 400, u"", 0x10C80000);
    ASSERT_NE(window, 0);
    web = rt::GadgetWeb(rt::AnyNumber, 85, 85, 365, 160, u"");
    ASSERT_NE(web, 0);
  }
  void TearDown() override {
    rt::WindowCloseAll();
    rt::platform::SetHttpLimits({});
  }

  rt::Text Load(const std::string& address) {
    rt::GadgetSetText(web, rt::FromUtf8(address));
    PumpUntilDownloadEnds(web, 2);
    return rt::GadgetItemText(web, 1);
  }

  testsupport::TempDir site;
  testsupport::HttpServer server{site.path()};
  int32_t window = 0;
  int32_t web = 0;
};

// The page-load loop polls once per pause; the transfer must not wait for those polls.
TEST_F(WebView, APageLoadsWithinOnePauseOfTheLoop) {
  rt::GadgetSetText(web, rt::FromUtf8(server.Url("inhalt.php")));
  ASSERT_EQ(rt::EventNext(), rt::GadgetEvent);
  ASSERT_EQ(rt::EventType(), rt::DownloadStart);
  rt::DelayMs(1000);
  EXPECT_EQ(rt::EventNext(), rt::GadgetEvent);
  EXPECT_EQ(rt::EventType(), rt::DownloadEnd);
}

TEST_F(WebView, ReportsStartThenTwoEndsAndHoldsThePageText) {
  rt::GadgetSetText(web, rt::FromUtf8(server.Url("inhalt.php")));
  std::vector<SeenEvent> seen = PumpUntilDownloadEnds(web, 2);
  const std::vector<SeenEvent> want = {{rt::GadgetEvent, window, web, rt::DownloadStart},
                                       {rt::GadgetEvent, window, web, rt::DownloadEnd},
                                       {rt::GadgetEvent, window, web, rt::DownloadEnd}};
  EXPECT_EQ(seen, want);
  // The page is UTF-8, which the system code page reads byte by byte.
  const std::u16string umlaut = testsupport::kAnsiIsCodePage ? u"\u00c3\u00a4" : u"ä";
  EXPECT_EQ(rt::GadgetItemText(web, 1), u"bild/a.jpg\r\nbild/" + umlaut + u".jpg\r\nbild/c.jpg");
}

// An error page or a torn-off list must never pass for the content page.
TEST_F(WebView, OnlyAWholePageIsTheTextAndFailedLoadsStillEnd) {
  testsupport::TempDir empty;
  const std::string refused = [&] {
    testsupport::HttpServer gone(empty.path());
    return gone.Url("inhalt.php");
  }();
  rt::platform::HttpLimits limits = rt::platform::CurrentHttpLimits();
  limits.totalSeconds = 2;
  limits.maxBytes = 100000;
  rt::platform::SetHttpLimits(limits);
  for (const std::string& address : {
           server.Url("__status/404/inhalt.php"),
           server.Url("__status/500"),
           server.Url("__truncated/5"),
           server.Url("__reset/inhalt.php"),
           server.Url("__hang"),
           server.Url("__stall/3"),
           server.Url("__drip/100/inhalt.php"),     // under the low-speed limit
           server.Url("__drip/8192/inhalt.php"),    // past the whole time
           server.Url("__huge/200000/inhalt.php"),  // over the size bound
           server.Url("__gzip/inhalt.php"),
           refused,
       }) {
    Load(server.Url("inhalt.php"));
    EXPECT_EQ(Load(address), u"") << address;
    EXPECT_EQ(rt::EventNext(), 0) << "no third download end for " << address;
  }
  EXPECT_EQ(server.Requests().back().headers.count("accept-encoding"), 0u)
      << "a coded page was asked for";
}

TEST_F(WebView, FetchesOnlyWebAddresses) {
  testsupport::WriteFileBytes(site.path() / "secret.txt", "local file");
  for (const std::string& address :
       {"file://" + (site.path() / "secret.txt").string(),
        server.Url("__redirect?to=file://" + (site.path() / "secret.txt").string())}) {
    EXPECT_EQ(Load(address), u"") << address;
  }
  EXPECT_EQ(Load(server.Url("__redirect?to=/ansi.txt")), u"München\r\n");
}

TEST_F(WebView, DecodesTheAnsiPageAndEncodesBlanksInTheAddress) {
  EXPECT_EQ(Load(server.Url("ansi.txt")), u"München\r\n");
  EXPECT_EQ(Load(server.Url("a b.txt")), u"blank in the name");
  const auto& requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].path, "/a%20b.txt");
  EXPECT_EQ(requests[0].headers.at("cache-control"), "no-cache");
}

TEST_F(WebView, EmptyAddressIsIgnored) {
  rt::GadgetSetText(web, u"");
  auto seen =
      runtimetest::PumpUntil([](const auto&) { return false; }, std::chrono::milliseconds(200));
  EXPECT_TRUE(seen.empty());
  EXPECT_TRUE(server.Requests().empty());
}

TEST_F(WebView, ANewAddressReplacesTheLoadStillRunning) {
  rt::GadgetSetText(web, rt::FromUtf8(server.Url("__hang")));
  rt::GadgetSetText(web, rt::FromUtf8(server.Url("ansi.txt")));
  std::vector<SeenEvent> seen = PumpUntilDownloadEnds(web, 2);
  EXPECT_EQ(CountOf(seen, web, rt::DownloadStart), 2);
  EXPECT_EQ(rt::GadgetItemText(web, 1), u"München\r\n");
  auto later =
      runtimetest::PumpUntil([](const auto&) { return false; }, std::chrono::milliseconds(1500));
  EXPECT_TRUE(later.empty()) << "the dropped load reported an end";
}

TEST_F(WebView, OtherItemsAreEmptyAndTheTextKeepsTheLastDocumentWhileLoading) {
  Load(server.Url("ansi.txt"));
  rt::GadgetSetText(web, rt::FromUtf8(server.Url("__hang")));
  EXPECT_EQ(rt::GadgetItemText(web, 1), u"München\r\n");
  for (int32_t item : {0, 2, 3, 4, 5}) EXPECT_EQ(rt::GadgetItemText(web, item), u"") << item;
}

TEST_F(WebView, InitialAddressStartsLoading) {
  const int32_t second =
      rt::GadgetWeb(rt::AnyNumber, 0, 0, 10, 10, rt::FromUtf8(server.Url("ansi.txt")));
  ASSERT_NE(second, 0);
  PumpUntilDownloadEnds(second, 2);
  EXPECT_EQ(rt::GadgetItemText(second, 1), u"München\r\n");
  EXPECT_EQ(rt::GadgetItemText(web, 1), u"");
}

TEST_F(WebView, ClosingTheWindowEndsItsLoadAndItsPendingEvents) {
  rt::GadgetSetText(web, rt::FromUtf8(server.Url("ansi.txt")));
  rt::WindowClose(window);
  auto seen =
      runtimetest::PumpUntil([](const auto&) { return false; }, std::chrono::milliseconds(300));
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(rt::GadgetItemText(web, 1), u"");
}

}  // namespace

// The page-load loop: only the web view's second download end hands the page on, and a
// close request before it ends the loop without a page.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/window.h"
#include "support/http_server.h"
#include "support/temp_dir.h"
#include "wallpaper/content_window.h"

namespace {

using pendrel::ContentWebView;
using pendrel::ContentWindow;

class PageLoadLoop : public ::testing::Test {
 protected:
  PageLoadLoop() {
    pendrel::OpenContentWindow(0, 0, 600, 400);
    while (rt::EventNext() != 0) {
    }
  }
  ~PageLoadLoop() override { rt::WindowClose(ContentWindow); }

  // Runs the loop; the pages it handed on.
  std::vector<rt::Text> Run() {
    std::vector<rt::Text> pages;
    pendrel::RunPageLoadLoop(ContentWebView, [&](const rt::Text& page) { pages.push_back(page); });
    return pages;
  }

  void Post(int32_t event, int32_t gadget, int32_t type) {
    rt::EventPost(event, ContentWindow, gadget, type);
  }
};

TEST_F(PageLoadLoop, TheContentWindowIsOpenWithItsWebView) {
  EXPECT_NE(ContentWindow, 0);
  EXPECT_NE(ContentWebView, 0);
  EXPECT_EQ(rt::WindowInnerWidth(ContentWindow), 600);
  EXPECT_EQ(rt::WindowInnerHeight(ContentWindow), 400);
}

TEST_F(PageLoadLoop, ThePageTextIsReadAtTheSecondDownloadEnd) {
  testsupport::TempDir site;
  testsupport::WriteFileBytes(site.path() / "inhalt.php", "a.jpg\r\nb.jpg\r\n");
  testsupport::HttpServer server(site.path());
  // Download ends of another gadget are queued first; counting them would read the page
  // before it has arrived.
  Post(rt::GadgetEvent, ContentWebView + 1, rt::DownloadEnd);
  Post(rt::GadgetEvent, ContentWebView + 1, rt::DownloadEnd);
  const std::string address = server.Url("inhalt.php");
  rt::GadgetSetText(ContentWebView, rt::Text(address.begin(), address.end()));
  EXPECT_EQ(Run(), std::vector<rt::Text>{u"a.jpg\r\nb.jpg\r\n"});
}

TEST_F(PageLoadLoop, OtherEventsChangeNothing) {
  Post(rt::GadgetEvent, ContentWebView, rt::DownloadEnd);
  for (int32_t type : {rt::TitleChange, rt::StatusChange, rt::PopupBlocked, rt::DownloadStart,
                       rt::DownloadProgress, 0, 7}) {
    Post(rt::GadgetEvent, ContentWebView, type);
  }
  Post(rt::GadgetEvent, 0, rt::DownloadEnd);
  Post(rt::GadgetEvent + 1, ContentWebView, rt::DownloadEnd);
  rt::EventPost(rt::CloseWindowEvent, ContentWindow, 0, 0);
  // Had any of them counted as the second download end, a page would have been handed on.
  EXPECT_TRUE(Run().empty());
}

TEST_F(PageLoadLoop, ACloseRequestBeforeTheSecondDownloadEndEndsTheLoop) {
  Post(rt::GadgetEvent, ContentWebView, rt::DownloadEnd);
  rt::WindowRequestClose(ContentWindow);
  Post(rt::GadgetEvent, ContentWebView, rt::DownloadEnd);
  EXPECT_TRUE(Run().empty());
  // The loop stopped at the close request: the later event is still pending.
  EXPECT_EQ(rt::EventNext(), rt::GadgetEvent);
  EXPECT_EQ(rt::EventType(), rt::DownloadEnd);
}

TEST_F(PageLoadLoop, TwoPendingDownloadEndsHandOnThePageOnce) {
  Post(rt::GadgetEvent, ContentWebView, rt::DownloadEnd);
  Post(rt::GadgetEvent, ContentWebView, rt::DownloadEnd);
  Post(rt::GadgetEvent, ContentWebView, rt::DownloadEnd);
  EXPECT_EQ(Run().size(), 1u);
  // After the page nothing more is read.
  EXPECT_EQ(rt::EventNext(), rt::GadgetEvent);
}

}  // namespace

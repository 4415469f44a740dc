// The picture download: a complete 2xx answer replaces the file, anything else leaves it.
#include "wallpaper/picture_download.h"

#include <gtest/gtest.h>

#include "support/http_server.h"
#include "support/temp_dir.h"

namespace {

using pendrel::DownloadLimits;
using pendrel::DownloadPicture;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

std::u16string U16(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

class PictureDownload : public ::testing::Test {
 protected:
  PictureDownload() {
    WriteFileBytes(site_.path() / "bild.jpg", std::string(3000, 'p'));
    WriteFileBytes(site_.path() / "mein bild ä.jpg", "mit Leerzeichen");
    WriteFileBytes(site_.path() / "leer.jpg", "");
  }

  // Only what is in the directory besides the target counts as left behind.
  std::vector<std::string> Entries() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(work_.path())) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  std::filesystem::path Target() const { return work_.path() / "hintergrund.jpg"; }

  testsupport::TempDir site_;
  testsupport::HttpServer server_{site_.path()};
  testsupport::TempDir work_;
};

TEST_F(PictureDownload, ACompleteAnswerReplacesTheFile) {
  WriteFileBytes(Target(), "alt");
  auto outcome = DownloadPicture(U16(server_.Url("bild.jpg")), Target());
  EXPECT_TRUE(outcome.saved) << outcome.error;
  EXPECT_EQ(outcome.status, 200);
  EXPECT_EQ(outcome.bytes, 3000);
  EXPECT_EQ(ReadFileBytes(Target()), std::string(3000, 'p'));
  EXPECT_EQ(Entries(), std::vector<std::string>{"hintergrund.jpg"});
}

TEST_F(PictureDownload, FailuresLeaveTheEarlierFileAndNoTemporaryFile) {
  DownloadLimits limits;
  limits.stallSeconds = 1;
  limits.maxBytes = 2000;
  struct Case {
    std::string address;
    std::string why;
  };
  std::string refused;
  {
    testsupport::TempDir empty;
    refused = testsupport::HttpServer(empty.path()).Url("bild.jpg");
  }
  for (const Case& c : std::initializer_list<Case>{
           {server_.Url("fehlt.jpg"), "HTTP-Status 404"},
           {server_.Url("__status/503"), "HTTP-Status 503"},
           {server_.Url("leer.jpg"), "leere Antwort"},
           {server_.Url("__truncated/500"), ""},
           {server_.Url("__stall/500"), ""},
           {server_.Url("__hang"), ""},
           {server_.Url("__redirect?to=file:///etc/hostname"), ""},
           {server_.Url("__redirect?to=ftp://127.0.0.1/bild.jpg"), ""},
           {server_.Url("bild.jpg"), "größer als 2000 Bytes"},
           {refused, ""},
           {"ftp://127.0.0.1/bild.jpg", ""},
       }) {
    WriteFileBytes(Target(), "alt");
    auto outcome = DownloadPicture(U16(c.address), Target(), limits);
    EXPECT_FALSE(outcome.saved) << c.address;
    EXPECT_FALSE(outcome.error.empty()) << c.address;
    EXPECT_NE(outcome.error.find(c.why), std::string::npos) << c.address << ": " << outcome.error;
    EXPECT_EQ(ReadFileBytes(Target()), "alt") << c.address;
    EXPECT_EQ(Entries(), std::vector<std::string>{"hintergrund.jpg"}) << c.address;
  }
}

TEST_F(PictureDownload, AFailureWithoutAnEarlierFileCreatesNone) {
  auto outcome = DownloadPicture(U16(server_.Url("fehlt.jpg")), Target());
  EXPECT_FALSE(outcome.saved);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(PictureDownload, RedirectsToHttpAreFollowed) {
  auto outcome =
      DownloadPicture(U16(server_.Url("__redirect?to=" + server_.Url("bild.jpg"))), Target());
  EXPECT_TRUE(outcome.saved) << outcome.error;
  EXPECT_EQ(ReadFileBytes(Target()), std::string(3000, 'p'));
}

TEST_F(PictureDownload, InvalidCharactersAreSentEncodedAndNoCacheIsAsked) {
  auto outcome = DownloadPicture(U16(server_.Url()) + u"mein bild ä.jpg", Target());
  EXPECT_TRUE(outcome.saved) << outcome.error;
  EXPECT_EQ(ReadFileBytes(Target()), "mit Leerzeichen");
  const auto& requests = server_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].path, "/mein%20bild%20%C3%A4.jpg");
  EXPECT_EQ(requests[0].headers.at("cache-control"), "no-cache");
}

TEST_F(PictureDownload, ADirectoryInTheWayIsLeftAlone) {
  std::filesystem::create_directory(Target());
  auto outcome = DownloadPicture(U16(server_.Url("bild.jpg")), Target());
  EXPECT_FALSE(outcome.saved);
  EXPECT_TRUE(std::filesystem::is_directory(Target()));
  EXPECT_EQ(Entries(), std::vector<std::string>{"hintergrund.jpg"});
}

}  // namespace

// The picture download: a complete 2xx answer that is a picture replaces the file, anything
// else leaves it.
#include "wallpaper/picture_download.h"

#include <gtest/gtest.h>

#include "support/http_server.h"
#include "support/temp_dir.h"
#include "wallpaper_test_support.h"

namespace {

using pendrel::DownloadPicture;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

std::u16string U16(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

class PictureDownload : public ::testing::Test {
 protected:
  PictureDownload() {
    wallpapertest::WriteJpeg(site_.path() / "bild.jpg", 0x336699, 64, 48);
    wallpapertest::WriteJpeg(site_.path() / "mein bild ä.jpg", 0x996633, 8, 8);
    picture_ = ReadFileBytes(site_.path() / "bild.jpg");
    WriteFileBytes(site_.path() / "leer.jpg", "");
    WriteFileBytes(site_.path() / "kaputt.jpg", std::string(3000, 'p'));
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
  std::string picture_;
  testsupport::HttpServer server_{site_.path()};
  testsupport::TempDir work_;
};

TEST_F(PictureDownload, ACompleteAnswerReplacesTheFile) {
  WriteFileBytes(Target(), "alt");
  auto outcome = DownloadPicture(U16(server_.Url("bild.jpg")), Target());
  EXPECT_TRUE(outcome.saved) << outcome.error;
  EXPECT_EQ(outcome.status, 200);
  EXPECT_EQ(outcome.bytes, static_cast<int64_t>(picture_.size()));
  EXPECT_EQ(outcome.picture.format, pendrel::PictureFormat::Jpeg);
  EXPECT_EQ(outcome.picture.width, 64u);
  EXPECT_EQ(ReadFileBytes(Target()), picture_);
  EXPECT_EQ(Entries(), std::vector<std::string>{"hintergrund.jpg"});
}

TEST_F(PictureDownload, FailuresLeaveTheEarlierFileAndNoTemporaryFile) {
  rt::platform::HttpLimits limits;
  limits.stallSeconds = 1;
  limits.totalSeconds = 3;
  limits.maxBytes = 1 << 20;
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
           {server_.Url("__huge/1100000/gross.png"), "größer als 1048576 Bytes"},
           {server_.Url("kaputt.jpg"), "kein Bild"},
           {server_.Url("__html/bild.jpg"), "kein Bild"},
           {server_.Url("__gzip/bild.jpg"), "Content-Encoding"},
           {server_.Url("__reset/bild.jpg"), ""},
           {server_.Url("__status/404/bild.jpg"), "HTTP-Status 404"},
           {server_.Url("__drip/100/bild.jpg"), "Zeitlimit"},   // too slow
           {server_.Url("__drip/8192/bild.jpg"), "Zeitlimit"},  // never done
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
  EXPECT_EQ(ReadFileBytes(Target()), picture_);
}

TEST_F(PictureDownload, InvalidCharactersAreSentEncodedAndNoCacheIsAsked) {
  auto outcome = DownloadPicture(U16(server_.Url()) + u"mein bild ä.jpg", Target());
  EXPECT_TRUE(outcome.saved) << outcome.error;
  EXPECT_EQ(ReadFileBytes(Target()), ReadFileBytes(site_.path() / "mein bild ä.jpg"));
  const auto& requests = server_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].path, "/mein%20bild%20%C3%A4.jpg");
  EXPECT_EQ(requests[0].headers.at("cache-control"), "no-cache");
  EXPECT_EQ(requests[0].headers.count("accept-encoding"), 0u) << "a coded picture was asked for";
}

TEST_F(PictureDownload, ADirectoryInTheWayIsLeftAlone) {
  std::filesystem::create_directory(Target());
  auto outcome = DownloadPicture(U16(server_.Url("bild.jpg")), Target());
  EXPECT_FALSE(outcome.saved);
  EXPECT_TRUE(std::filesystem::is_directory(Target()));
  EXPECT_EQ(Entries(), std::vector<std::string>{"hintergrund.jpg"});
}

// Killed runs cannot clean up; a later one removes what no living run can still own.
TEST_F(PictureDownload, RemovesOnlyStaleTemporaries) {
  const auto stale = work_.path() / "hintergrund.jpg.0badf00d.part";
  const auto fresh = work_.path() / "hintergrund.jpg.0000cafe.part";
  const auto other = work_.path() / "anderes.jpg.0badf00d.part";
  for (const auto& file : {stale, fresh, other}) WriteFileBytes(file, "halb");
  const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(11);
  std::filesystem::last_write_time(stale, old);
  std::filesystem::last_write_time(other, old);
  auto outcome = DownloadPicture(U16(server_.Url("bild.jpg")), Target());
  EXPECT_TRUE(outcome.saved) << outcome.error;
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(fresh));
  EXPECT_TRUE(std::filesystem::exists(other));
}

}  // namespace

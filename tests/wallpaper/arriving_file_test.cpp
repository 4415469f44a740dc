// The picture read while its download writes it: every byte, in order, whenever the reader
// comes; an error, never a short picture, when the download fails.
#include "wallpaper/backends/arriving_file.h"

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <thread>

#include "support/http_server.h"
#include "support/temp_dir.h"
#include "wallpaper/picture_download.h"
#include "wallpaper_test_support.h"

namespace {

using pendrel::PictureArrival;
using pendrel::backends::OpenArrivingFile;
using testsupport::ReadFileBytes;

struct Reading {
  std::string bytes;
  bool failed = false;
};

Reading ReadAll(std::shared_ptr<const PictureArrival> arrival) {
  const auto file = OpenArrivingFile(std::move(arrival));
  Reading reading;
  char buffer[1000];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
    reading.bytes.append(buffer, n);
  }
  reading.failed = std::ferror(file.get()) != 0;
  return reading;
}

class ArrivingFile : public ::testing::Test {
 protected:
  ArrivingFile() {
    wallpapertest::WriteBands(site_.path() / "bild.jpg", "jpeg", 640, 480, false, 0xE01010,
                              0x10C020, 0x1020D0);
    picture_ = ReadFileBytes(site_.path() / "bild.jpg");
  }

  pendrel::DownloadOutcome Download(const std::string& path, PictureArrival& arrival) {
    const std::string address = server_.Url(path);
    return pendrel::DownloadPicture(std::u16string(address.begin(), address.end()),
                                    work_.path() / "hintergrund.jpg", pendrel::PictureLimits(),
                                    &arrival);
  }

  testsupport::TempDir site_;
  std::string picture_;
  testsupport::HttpServer server_{site_.path()};
  testsupport::TempDir work_;
};

TEST_F(ArrivingFile, ReadersGetThePictureWhetherTheyComeBeforeOrAfterItIsSaved) {
  for (const char* path : {"__slow/bild.jpg", "bild.jpg"}) {
    const auto arrival = std::make_shared<PictureArrival>();
    auto early = std::async(std::launch::async, ReadAll, arrival);
    const auto outcome = Download(path, *arrival);
    ASSERT_TRUE(outcome.saved) << path << ": " << outcome.error;
    const Reading reading = early.get();
    EXPECT_FALSE(reading.failed) << path;
    EXPECT_EQ(reading.bytes, picture_) << path;
    // The temporary is gone by now: a late reader opens the picture under its own name.
    EXPECT_EQ(ReadAll(arrival).bytes, picture_) << path;
  }
}

TEST_F(ArrivingFile, ReadersFailWhenTheDownloadFails) {
  for (const std::string& path :
       {"__cut/" + std::to_string(picture_.size() / 2) + "/bild.jpg", std::string("fehlt.jpg")}) {
    const auto arrival = std::make_shared<PictureArrival>();
    auto early = std::async(std::launch::async, ReadAll, arrival);
    EXPECT_FALSE(Download(path, *arrival).saved) << path;
    EXPECT_TRUE(arrival->Failed()) << path;
    EXPECT_TRUE(early.get().failed) << path;
  }
}

// Seeking only moves the place of the next read, which waits for its bytes.
TEST(ArrivingFileSeek, ReadsPastWhatIsWrittenWaitAndRewindingReadsAgain) {
  testsupport::TempDir dir;
  const auto temporary = dir.path() / "bild.part";
  testsupport::WriteFileBytes(temporary, "0123456789");
  const auto arrival = std::make_shared<PictureArrival>();
  arrival->Begin(temporary, dir.path() / "bild.jpg");
  arrival->Grow(4);
  const auto file = OpenArrivingFile(arrival);
  ASSERT_EQ(std::fseek(file.get(), 6, SEEK_SET), 0);
  auto pastTheEnd = std::async(std::launch::async, [&] {
    char buffer[2];
    return std::string(buffer, std::fread(buffer, 1, 2, file.get()));
  });
  EXPECT_EQ(pastTheEnd.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
  arrival->Grow(10);
  EXPECT_EQ(pastTheEnd.get(), "67");
  std::rewind(file.get());
  char first[3];
  EXPECT_EQ(std::string(first, std::fread(first, 1, 3, file.get())), "012");
}

}  // namespace

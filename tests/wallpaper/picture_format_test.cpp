// Pictures are recognised from their content, and only with a readable size.
#include "wallpaper/picture_format.h"

#include <gtest/gtest.h>

#include "wallpaper_test_support.h"

namespace {

using pendrel::PictureFormat;
using pendrel::ReadPictureHeader;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += static_cast<char>(v);
  return bytes;
}

// Files written by the same library a desktop reads them with.
TEST(PictureFormat, ReadsFormatAndSizeOfRealPictures) {
  testsupport::TempDir dir;
  struct Case {
    const char* saver;
    PictureFormat format;
  };
  for (const Case& c : {Case{"jpeg", PictureFormat::Jpeg}, Case{"png", PictureFormat::Png},
                        Case{"bmp", PictureFormat::Bmp}, Case{"tiff", PictureFormat::Tiff}}) {
    const auto file = dir.path() / c.saver;
    wallpapertest::WriteBands(file, c.saver, 123, 45, false, 0xFF0000, 0x00FF00, 0x0000FF);
    const auto header = ReadPictureHeader(testsupport::ReadFileBytes(file));
    EXPECT_EQ(header.format, c.format) << c.saver;
    EXPECT_EQ(header.width, 123u) << c.saver;
    EXPECT_EQ(header.height, 45u) << c.saver;
  }
}

TEST(PictureFormat, ReadsHeadersOfTheOtherFormats) {
  const std::string riff = "RIFF" + Bytes({0, 0, 0, 0}) + "WEBP";
  struct Case {
    std::string head;
    PictureFormat format;
    uint32_t width, height;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"GIF89a" + Bytes({0x20, 0x03, 0x58, 0x02}), PictureFormat::Gif, 800, 600},
           {"GIF87a" + Bytes({1, 0, 1, 0}), PictureFormat::Gif, 1, 1},
           {riff + "VP8 " + Bytes({0, 0, 0, 0, 0, 0, 0, 0x9D, 0x01, 0x2A, 0x80, 0x02, 0xE0, 0x41}),
            PictureFormat::WebP, 640, 480},
           {riff + "VP8L" + Bytes({0, 0, 0, 0, 0x2F, 0x3F, 0xC0, 0x3B, 0}), PictureFormat::WebP, 64,
            240},
           {riff + "VP8X" + Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0x7F, 0x07, 0, 0x37, 0x04, 0}),
            PictureFormat::WebP, 1920, 1080},
           // Fill bytes and a restart marker before the frame header.
           {Bytes({0xFF, 0xD8, 0xFF, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF,
                   0xD0, 0xFF, 0xC2, 0,    11,   8, 0, 2, 0, 3}),
            PictureFormat::Jpeg, 3, 2},
           // A top-down BMP has a negative height.
           {"BM" + std::string(12, '\0') + Bytes({40, 0, 0, 0, 7, 0, 0, 0, 0xFB, 0xFF, 0xFF, 0xFF}),
            PictureFormat::Bmp, 7, 5},
           {"MM" + Bytes({0, 42, 0, 0, 0, 8, 0, 2, 1, 0, 0, 3, 0, 0, 0, 1,
                          0, 9,  0, 0, 1, 1, 0, 4, 0, 0, 0, 1, 0, 0, 0, 6}),
            PictureFormat::Tiff, 9, 6},
       }) {
    const auto header = ReadPictureHeader(c.head);
    EXPECT_EQ(header.format, c.format) << c.head;
    EXPECT_EQ(header.width, c.width) << c.head;
    EXPECT_EQ(header.height, c.height) << c.head;
  }
}

TEST(PictureFormat, RefusesWhatIsNoPictureOrHasNoSize) {
  const std::string png = "\x89PNG\r\n\x1A\n" + Bytes({0, 0, 0, 13}) + "IHDR";
  for (const std::string& head : std::initializer_list<std::string>{
           "", "<!DOCTYPE html>\r\n<html>", Bytes({0x1F, 0x8B, 0x08, 0}),  // gzip
           png,                                             // cut off before the size
           png + Bytes({0, 0, 0, 0, 0, 0, 1, 0}),           // no width
           Bytes({0xFF, 0xD8, 0xFF, 0xDA, 0, 2}),           // scan before any frame header
           Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x7F, 0xFF, 0}),  // segment runs past the end
           "GIF89a" + Bytes({0, 0, 5, 0}),
           "BM" + std::string(12, '\0') + Bytes({40, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}),
           "RIFF" + Bytes({0, 0, 0, 0}) + "WAVEfmt ",
           "II*" + Bytes({0, 8, 0, 0, 0, 0, 0}),  // a directory without entries
       }) {
    EXPECT_EQ(ReadPictureHeader(head).format, PictureFormat::None) << head;
  }
}

}  // namespace

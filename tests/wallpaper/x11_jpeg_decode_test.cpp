// JPEG pictures decoded by the X root backend at a size in eighths of their own.
#include "wallpaper/backends/x11_jpeg_decode.h"

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "support/temp_dir.h"
#include "wallpaper_test_support.h"

namespace {

using pendrel::backends::FileHandle;
using pendrel::backends::JpegRows;
using pendrel::backends::PixmanImage;

uint32_t PixelAt(pixman_image_t* image, int x, int y) {
  const auto* row = reinterpret_cast<const uint8_t*>(pixman_image_get_data(image)) +
                    static_cast<ptrdiff_t>(y) * pixman_image_get_stride(image);
  return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
}

// A 40 x 40 JPEG in `space` whose every pixel holds `sample`'s bytes; `adobe` says whether
// it carries Adobe's marker (which for CMYK means inverted inks).
void WriteJpegIn(const std::filesystem::path& file, J_COLOR_SPACE space,
                 std::vector<JSAMPLE> sample, bool adobe = false) {
  constexpr int kSide = 40;
  std::FILE* out = std::fopen(file.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  jpeg_compress_struct info{};
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = kSide;
  info.image_height = kSide;
  info.input_components = static_cast<int>(sample.size());
  info.in_color_space = space;
  jpeg_set_defaults(&info);
  info.write_Adobe_marker = adobe;
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row;
  for (int x = 0; x < kSide; ++x) row.insert(row.end(), sample.begin(), sample.end());
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(out);
}

// The whole of the JPEG in `file` at eighths / 8; its image is nullptr when it cannot be
// decoded.
struct WholePicture {
  WholePicture(const std::filesystem::path& file, int eighths)
      : jpeg(FileHandle(std::fopen(file.c_str(), "rb")), eighths),
        image(jpeg.Rows({0, jpeg.height()})) {}
  JpegRows jpeg;
  PixmanImage image;
};

TEST(X11JpegDecode, DecodesAtAnyEighthOfTheSizeRoundingUp) {
  testsupport::TempDir dir;
  const auto file = dir.path() / "bild.jpg";
  constexpr uint32_t kRed = 0xE01010, kGreen = 0x10C020, kBlue = 0x1020D0;
  wallpapertest::WriteBands(file, "jpeg", 300, 90, true, kRed, kGreen, kBlue);
  for (auto [eighths, width, height] :
       {std::tuple{1, 38, 12}, {3, 113, 34}, {8, 300, 90}, {13, 488, 147}, {16, 600, 180}}) {
    const WholePicture picture(file, eighths);
    pixman_image_t* image = picture.image.get();
    ASSERT_NE(image, nullptr) << eighths;
    EXPECT_EQ(pixman_image_get_width(image), width) << eighths;
    EXPECT_EQ(pixman_image_get_height(image), height) << eighths;
    const int middle = height / 2;
    EXPECT_TRUE(wallpapertest::NearColour(PixelAt(image, width / 6, middle), kRed)) << eighths;
    EXPECT_TRUE(wallpapertest::NearColour(PixelAt(image, width / 2, middle), kGreen)) << eighths;
    EXPECT_TRUE(wallpapertest::NearColour(PixelAt(image, width * 5 / 6, middle), kBlue)) << eighths;
  }
}

TEST(X11JpegDecode, RowsComeThroughAWindowThatOnlySlidesDown) {
  testsupport::TempDir dir;
  const auto file = dir.path() / "bild.jpg";
  constexpr uint32_t kGreen = 0x10C020, kBlue = 0x1020D0;
  wallpapertest::WriteBands(file, "jpeg", 64, 96, false, 0xE01010, kGreen, kBlue);
  // Half size: 48 rows, green in rows 16..31, blue below.
  JpegRows jpeg(FileHandle(std::fopen(file.c_str(), "rb")), 4);
  ASSERT_EQ(jpeg.height(), 48);
  PixmanImage rows = jpeg.Rows({18, 30});
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(pixman_image_get_height(rows.get()), 12);
  EXPECT_TRUE(wallpapertest::NearColour(PixelAt(rows.get(), 16, 0), kGreen));
  EXPECT_TRUE(wallpapertest::NearColour(PixelAt(rows.get(), 16, 11), kGreen));
  // Overlapping the last span: its rows stay, moved up.
  rows = jpeg.Rows({20, 40});
  ASSERT_NE(rows, nullptr);
  EXPECT_TRUE(wallpapertest::NearColour(PixelAt(rows.get(), 16, 0), kGreen));
  EXPECT_TRUE(wallpapertest::NearColour(PixelAt(rows.get(), 16, 19), kBlue));
  EXPECT_EQ(jpeg.Rows({10, 20}), nullptr);
  // Past the window, clipped to the picture.
  rows = jpeg.Rows({44, 99});
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(pixman_image_get_height(rows.get()), 4);
  EXPECT_TRUE(wallpapertest::NearColour(PixelAt(rows.get(), 16, 3), kBlue));
  EXPECT_EQ(jpeg.Rows({48, 99}), nullptr);
}

TEST(X11JpegDecode, GreyAndCmykPicturesComeOutInColourAndOthersNotAtAll) {
  testsupport::TempDir dir;
  const auto file = dir.path() / "bild.jpg";
  WriteJpegIn(file, JCS_GRAYSCALE, {0x80});
  const WholePicture grey(file, 4);
  ASSERT_NE(grey.image, nullptr);
  EXPECT_TRUE(wallpapertest::NearColour(PixelAt(grey.image.get(), 5, 5), 0x808080));

  // Cyan and a little black, in plain inks and in Adobe's inverted ones.
  for (auto [sample, adobe] : {std::pair{std::vector<JSAMPLE>{0xFF, 0, 0, 0x20}, false},
                               {std::vector<JSAMPLE>{0, 0xFF, 0xFF, 0xDF}, true}}) {
    WriteJpegIn(file, JCS_CMYK, sample, adobe);
    const WholePicture cmyk(file, 8);
    ASSERT_NE(cmyk.image, nullptr) << adobe;
    EXPECT_TRUE(wallpapertest::NearColour(PixelAt(cmyk.image.get(), 10, 10), 0x00DFDF))
        << adobe << " " << std::hex << PixelAt(cmyk.image.get(), 10, 10);
  }

  testsupport::WriteFileBytes(file, "\xFF\xD8\xFF\xC0 not really");
  EXPECT_EQ(WholePicture(file, 8).image, nullptr);
  EXPECT_EQ(WholePicture(dir.path() / "fehlt.jpg", 8).image, nullptr);
}

}  // namespace

// How much of a picture the X root backend decodes for a screen, judged from the file's
// header before anything is decoded.
#include <gtest/gtest.h>

#include <cstdio>

#include "support/temp_dir.h"
#include "wallpaper/backends/file_handle.h"
#include "wallpaper/backends/x11_decode_plan.h"
#include "wallpaper/backends/x11_jpeg_frame.h"
#include "wallpaper_test_support.h"

namespace {

using pendrel::backends::Covering;
using pendrel::backends::CoverScreen;
using pendrel::backends::DecodePlan;
using pendrel::backends::PictureFacts;
using pendrel::backends::PlanDecode;
using pendrel::backends::ReadJpegFrame;
using pendrel::backends::RowsShown;

TEST(X11DecodeBudget, JpegsAreDecodedAtTheSmallestSizeThatCoversTheScreen) {
  struct Case {
    PictureFacts picture;
    int screenWidth, screenHeight;
    int eighths;
    bool fits;
  };
  for (const Case& c : std::initializer_list<Case>{
           // Half size (1280 x 800) would not cover 1920 x 1080, and six eighths decode slower
           // than the whole picture: decoded whole, then scaled.
           {{2560, 1600, true}, 1920, 1080, 8, true},
           // 3000 x 2000, cut and scaled further.
           {{6000, 4000, true}, 1920, 1080, 4, true},
           {{16000, 16000, true}, 1920, 1080, 1, true},
           // An eighth is as small as a JPEG decoder goes.
           {{40000, 40000, true}, 1920, 1080, 1, false},
           // Small pictures are enlarged while decoding, at most twice.
           {{640, 480, true}, 1920, 1080, 16, true},
           // Other formats decode whole.
           {{3500, 3500, false}, 1920, 1080, 8, true},
           {{4000, 4000, false}, 1920, 1080, 8, false},
           // Covering a 4K screen would need 4000 x 4000; three eighths fit and are scaled up.
           {{8000, 8000, true}, 3840, 2160, 3, true},
           // Coefficients of a progressive picture are held whatever the output size.
           {{12000, 12000, true, int64_t{833} << 20}, 1920, 1080, 1, false},
       }) {
    const DecodePlan plan = PlanDecode(c.picture, c.screenWidth, c.screenHeight);
    EXPECT_EQ(plan.eighths, c.eighths) << c.picture.width << "x" << c.picture.height;
    EXPECT_EQ(plan.Fits(), c.fits) << c.picture.width << "x" << c.picture.height;
  }
  // Half of 2001 is 1000.5: the decoder rounds up, and so 1001 columns cover 1000.5.
  const DecodePlan odd = PlanDecode({2001, 1000, true}, 1000, 500);
  EXPECT_EQ(odd.eighths, 4);
  EXPECT_EQ(odd.width, 1001);
  EXPECT_EQ(odd.height, 500);
}

TEST(X11DecodeBudget, OnlyTheRowsTheScreenShowsAreNeeded) {
  // 1920 x 1200 on 1920 x 1080: 60 rows above and below are cut, one on each side kept.
  const Covering cut = CoverScreen(1920, 1200, 1920, 1080);
  EXPECT_EQ(cut.step, 1);
  EXPECT_EQ(cut.left, 0);
  EXPECT_EQ(cut.top, 60);
  EXPECT_EQ(RowsShown(cut, 1200, {0, 1080}).first, 59);
  EXPECT_EQ(RowsShown(cut, 1200, {0, 1080}).end, 1142);
  // A strip of the screen needs its own rows only.
  EXPECT_EQ(RowsShown(cut, 1200, {16, 32}).first, 75);
  EXPECT_EQ(RowsShown(cut, 1200, {16, 32}).end, 94);
  // Enlarged three times across and cut at the sides: every row is shown.
  const Covering wide = CoverScreen(400, 100, 320, 300);
  EXPECT_EQ(wide.step, 1.0 / 3);
  EXPECT_DOUBLE_EQ(wide.left, (400 - 320.0 / 3) / 2);
  EXPECT_EQ(RowsShown(wide, 100, {0, 300}).first, 0);
  EXPECT_EQ(RowsShown(wide, 100, {0, 300}).end, 100);
}

// A frame header of `marker` for a width x height picture of three components, the first
// sampled twice in each direction, followed by a scan over `scanComponents` of them.
std::string JpegHeader(unsigned char marker, int width, int height, int scanComponents,
                       const std::string& segmentsBefore = "") {
  std::string frame = {'\xFF', static_cast<char>(marker), 0, 17, 8};
  for (int value : {height, width}) {
    frame += static_cast<char>(value >> 8);
    frame += static_cast<char>(value & 0xFF);
  }
  frame += std::string("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
  std::string scan = {'\xFF', '\xDA', 0, static_cast<char>(6 + 2 * scanComponents),
                      static_cast<char>(scanComponents)};
  return "\xFF\xD8" + segmentsBefore + frame + scan;
}

TEST(X11DecodeBudget, JpegHeadersTellWhatTheDecoderHoldsWhateverTheScale) {
  testsupport::TempDir dir;
  const auto file = dir.path() / "bild.jpg";
  const auto frameOf = [&](const std::string& bytes) {
    testsupport::WriteFileBytes(file, bytes);
    const pendrel::backends::FileHandle in(std::fopen(file.c_str(), "rb"));
    return ReadJpegFrame(in.get());
  };
  // Row by row: nothing held beyond the output.
  wallpapertest::WriteJpeg(file, 0x808080, 640, 480);
  auto frame = frameOf(testsupport::ReadFileBytes(file));
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->width, 640);
  EXPECT_EQ(frame->height, 480);
  EXPECT_EQ(frame->fixedBytes, 0);

  // 1600 x 1600 at 4:2:0: 200 x 200 luma blocks and 100 x 100 for each chroma component,
  // 128 bytes each, held for a progressive picture and for one scanned component by component.
  constexpr int64_t kCoefficients = (200 * 200 + 2 * 100 * 100) * 128;
  EXPECT_EQ(frameOf(JpegHeader(0xC2, 1600, 1600, 3))->fixedBytes, kCoefficients);
  EXPECT_EQ(frameOf(JpegHeader(0xC0, 1600, 1600, 1))->fixedBytes, kCoefficients);
  EXPECT_EQ(frameOf(JpegHeader(0xC0, 1600, 1600, 3))->fixedBytes, 0);

  // A colour profile segment is kept, and once more when its pieces are joined.
  const std::string profile = std::string("\xFF\xE2\x10\x00", 4) + std::string(0x1000 - 2, 'p');
  EXPECT_EQ(frameOf(JpegHeader(0xC0, 1600, 1600, 3, profile + profile))->fixedBytes, 4 * 0x1000);

  EXPECT_FALSE(frameOf("\x89PNG\r\n\x1a\n"));
  EXPECT_FALSE(frameOf(JpegHeader(0xC2, 1600, 1600, 3).substr(0, 12)));
}

}  // namespace

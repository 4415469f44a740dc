#include "wallpaper/backends/x11_jpeg_decode.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace pendrel::backends {

namespace {

// libjpeg's name for pixman's x8r8g8b8 as this machine keeps it in memory.
constexpr J_COLOR_SPACE kXrgb =
    std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// libjpeg reports a fatal error by calling error_exit, which must not return.
struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

// Warnings (a file cut short, stray bytes) leave a picture that can still be shown.
void IgnoreMessage(j_common_ptr, int) {}

// One CMYK row turned into x8r8g8b8 in place. Adobe's files keep each ink inverted.
void CmykRowToXrgb(uint8_t* row, int width, bool inverted) {
  for (int i = 0; i < width; ++i, row += 4) {
    const unsigned k = inverted ? row[3] : 255 - row[3];
    unsigned rgb = 0;
    for (int ink = 0; ink < 3; ++ink) {
      const unsigned amount = inverted ? row[ink] : 255 - row[ink];
      rgb = (rgb << 8) | (amount * k / 255);
    }
    std::memcpy(row, &rgb, sizeof rgb);
  }
}

void FreePixels(pixman_image_t*, void* pixels) { std::free(pixels); }

// Decodes the rows asked for into an image of their own. A libjpeg error jumps back here,
// so nothing in this function has a destructor to skip.
pixman_image_t* Decode(jpeg_decompress_struct& info, ErrorJump& error, std::FILE* in, int eighths,
                       RowSpan rows) {
  uint8_t* volatile pixels = nullptr;
  if (setjmp(error.jump) != 0) {
    std::free(pixels);
    return nullptr;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, in);
  jpeg_read_header(&info, TRUE);
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : kXrgb;
  info.scale_num = static_cast<unsigned>(eighths);
  info.scale_denom = 8;
  jpeg_start_decompress(&info);
  const int width = static_cast<int>(info.output_width);
  const auto first = static_cast<JDIMENSION>(std::clamp(rows.first, 0, rows.end));
  const auto end = std::min(static_cast<JDIMENSION>(std::max(rows.end, 0)), info.output_height);
  if (first >= end) std::longjmp(error.jump, 1);
  const size_t stride = size_t{info.output_width} * 4;
  pixels = static_cast<uint8_t*>(std::malloc(stride * (end - first)));
  if (pixels == nullptr) std::longjmp(error.jump, 1);
  // Rows skipped are still read from the file, but not transformed and coloured.
  if (first > 0) jpeg_skip_scanlines(&info, first);
  while (info.output_scanline < end) {
    JSAMPROW row = pixels + stride * (info.output_scanline - first);
    jpeg_read_scanlines(&info, &row, 1);
    if (cmyk) CmykRowToXrgb(row, width, info.saw_Adobe_marker);
  }
  uint8_t* const decoded = pixels;
  pixman_image_t* image =
      pixman_image_create_bits(PIXMAN_x8r8g8b8, width, static_cast<int>(end - first),
                               reinterpret_cast<uint32_t*>(decoded), static_cast<int>(stride));
  if (image == nullptr) std::longjmp(error.jump, 1);
  pixman_image_set_destroy_function(image, FreePixels, decoded);
  return image;
}

}  // namespace

PixmanImage DecodeJpeg(const std::filesystem::path& file, int eighths, RowSpan rows) {
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (in == nullptr) return nullptr;
  jpeg_decompress_struct info{};
  ErrorJump error;
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = JumpOut;
  error.manager.emit_message = IgnoreMessage;
  PixmanImage image(Decode(info, error, in, eighths, rows));
  jpeg_destroy_decompress(&info);
  std::fclose(in);
  return image;
}

}  // namespace pendrel::backends

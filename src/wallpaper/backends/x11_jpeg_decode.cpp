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

}  // namespace

struct JpegRows::State {
  jpeg_decompress_struct info{};
  ErrorJump error;
  std::FILE* in = nullptr;
  pixman_image_t* image = nullptr;
  JDIMENSION first = 0;  // the decoder's row at the image's top
  JDIMENSION end = 0;    // and the one past its bottom
  bool cmyk = false;
  bool failed = false;

  // The functions below are the only ones a libjpeg error jumps back into, so they hold
  // nothing with a destructor to skip.
  void Start(int eighths, RowSpan rows) {
    uint8_t* volatile pixels = nullptr;
    if (setjmp(error.jump) != 0) {
      std::free(pixels);
      return;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, in);
    jpeg_read_header(&info, TRUE);
    cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : kXrgb;
    info.scale_num = static_cast<unsigned>(eighths);
    info.scale_denom = 8;
    jpeg_start_decompress(&info);
    first = static_cast<JDIMENSION>(std::clamp(rows.first, 0, rows.end));
    end = std::min(static_cast<JDIMENSION>(std::max(rows.end, 0)), info.output_height);
    if (first >= end) return;
    const size_t stride = size_t{info.output_width} * 4;
    pixels = static_cast<uint8_t*>(std::malloc(stride * (end - first)));
    if (pixels == nullptr) return;
    // Rows skipped are still read from the file, but not transformed and coloured.
    if (first > 0) jpeg_skip_scanlines(&info, first);
    uint8_t* const decoded = pixels;
    image = pixman_image_create_bits(
        PIXMAN_x8r8g8b8, static_cast<int>(info.output_width), static_cast<int>(end - first),
        reinterpret_cast<uint32_t*>(decoded), static_cast<int>(stride));
    if (image == nullptr) {
      std::free(decoded);
      return;
    }
    pixman_image_set_destroy_function(image, FreePixels, decoded);
  }

  bool DecodeTo(JDIMENSION stop) {
    if (setjmp(error.jump) != 0) {
      failed = true;
      return false;
    }
    auto* pixels = reinterpret_cast<uint8_t*>(pixman_image_get_data(image));
    const int stride = pixman_image_get_stride(image);
    while (info.output_scanline < stop) {
      JSAMPROW row = pixels + static_cast<ptrdiff_t>(info.output_scanline - first) * stride;
      jpeg_read_scanlines(&info, &row, 1);
      if (cmyk) CmykRowToXrgb(row, static_cast<int>(info.output_width), info.saw_Adobe_marker);
    }
    return true;
  }
};

JpegRows::JpegRows(const std::filesystem::path& file, int eighths, RowSpan rows)
    : state_(std::make_unique<State>()) {
  state_->in = std::fopen(file.c_str(), "rb");
  if (state_->in == nullptr) return;
  state_->info.err = jpeg_std_error(&state_->error.manager);
  state_->error.manager.error_exit = JumpOut;
  state_->error.manager.emit_message = IgnoreMessage;
  state_->Start(eighths, rows);
}

JpegRows::~JpegRows() {
  // Also ends a decoder stopped before the last row.
  jpeg_destroy_decompress(&state_->info);
  if (state_->in != nullptr) std::fclose(state_->in);
  if (state_->image != nullptr) pixman_image_unref(state_->image);
}

pixman_image_t* JpegRows::image() const { return state_->image; }

bool JpegRows::DecodeTo(int end) {
  State& s = *state_;
  if (s.image == nullptr || s.failed) return false;
  return s.DecodeTo(s.first + static_cast<JDIMENSION>(std::clamp<int>(end, 0, s.end - s.first)));
}

}  // namespace pendrel::backends

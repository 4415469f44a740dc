#include "wallpaper/backends/x11_jpeg_decode.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

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

}  // namespace

struct JpegRows::State {
  jpeg_decompress_struct info{};
  ErrorJump error;
  FileHandle in;
  bool cmyk = false;
  bool started = false;
  bool failed = false;
  size_t stride = 0;
  std::vector<uint8_t> window;  // rows [top, top + held) of the decoded picture
  JDIMENSION top = 0;
  JDIMENSION held = 0;

  // Start, Skip and Scan are the only functions a libjpeg error jumps back into, so they
  // hold nothing with a destructor to skip.
  void Start(int eighths) {
    if (setjmp(error.jump) != 0) return;
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, in.get());
    jpeg_read_header(&info, TRUE);
    cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : kXrgb;
    info.scale_num = static_cast<unsigned>(eighths);
    info.scale_denom = 8;
    jpeg_start_decompress(&info);
    stride = size_t{info.output_width} * 4;
    started = true;
  }

  // Rows skipped are still read from the file, but not transformed and coloured.
  bool Skip(JDIMENSION rows) {
    if (setjmp(error.jump) != 0) return false;
    jpeg_skip_scanlines(&info, rows);
    return true;
  }

  bool Scan(uint8_t* row) {
    JSAMPROW rows[] = {row};
    if (setjmp(error.jump) != 0) return false;
    jpeg_read_scanlines(&info, rows, 1);
    return true;
  }

  bool ReadRow(uint8_t* row) {
    if (!Scan(row)) return false;
    if (cmyk) CmykRowToXrgb(row, static_cast<int>(info.output_width), info.saw_Adobe_marker);
    return true;
  }

  // Moves the window down to start at `first`, dropping what lies above it.
  bool SlideTo(JDIMENSION first) {
    if (first >= top + held) {
      const JDIMENSION next = info.output_scanline;
      top = first;
      held = 0;
      return first == next || Skip(first - next);
    }
    const JDIMENSION dropped = first - top;
    std::memmove(window.data(), window.data() + dropped * stride, (held - dropped) * stride);
    top = first;
    held -= dropped;
    return true;
  }

  PixmanImage Rows(JDIMENSION first, JDIMENSION end) {
    if (!started || failed || first >= end || first < top) return nullptr;
    failed = !SlideTo(first);
    if (window.size() < (end - first) * stride) window.resize((end - first) * stride);
    while (!failed && top + held < end) {
      failed = !ReadRow(window.data() + held * stride);
      ++held;
    }
    if (failed) return nullptr;
    return PixmanImage(pixman_image_create_bits(
        PIXMAN_x8r8g8b8, static_cast<int>(info.output_width), static_cast<int>(end - first),
        reinterpret_cast<uint32_t*>(window.data()), static_cast<int>(stride)));
  }
};

JpegRows::JpegRows(FileHandle in, int eighths) : state_(std::make_unique<State>()) {
  state_->in = std::move(in);
  if (!state_->in) return;
  state_->info.err = jpeg_std_error(&state_->error.manager);
  state_->error.manager.error_exit = JumpOut;
  state_->error.manager.emit_message = IgnoreMessage;
  state_->Start(eighths);
}

JpegRows::~JpegRows() {
  // Also ends a decoder stopped before the last row.
  jpeg_destroy_decompress(&state_->info);
}

int JpegRows::width() const {
  return state_->started ? static_cast<int>(state_->info.output_width) : 0;
}

int JpegRows::height() const {
  return state_->started ? static_cast<int>(state_->info.output_height) : 0;
}

PixmanImage JpegRows::Rows(RowSpan rows) {
  const auto clamp = [this](int row) {
    return static_cast<JDIMENSION>(std::clamp(row, 0, height()));
  };
  return state_->Rows(clamp(rows.first), clamp(rows.end));
}

}  // namespace pendrel::backends

// What the header of a JPEG file tells about the memory its decoder will need.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>

namespace pendrel::backends {

struct JpegFrame {
  int width = 0;
  int height = 0;
  // Bytes the decoder holds whatever the output scale: the metadata segments it keeps
  // (Exif, colour profile, comments; a profile once more when its pieces are joined) and,
  // for a progressive picture or one whose components come in separate scans, the
  // coefficients of the whole picture, gathered before any row comes out.
  int64_t fixedBytes = 0;
};

// The frame of the JPEG read from `in` on, up to its first scan; nullopt when it is no JPEG
// or ends before that.
std::optional<JpegFrame> ReadJpegFrame(std::FILE* in);

}  // namespace pendrel::backends

#include "wallpaper/backends/x11_jpeg_frame.h"

#include <algorithm>
#include <vector>

#include "wallpaper/backends/x11_decode_plan.h"

namespace pendrel::backends {

namespace {

constexpr int kSoi = 0xD8;
constexpr int kSos = 0xDA;

struct Component {
  int horizontal;
  int vertical;
};

int ReadByte(std::FILE* in) { return std::getc(in); }  // EOF is -1

int ReadWord(std::FILE* in) {
  const int high = ReadByte(in);
  const int low = ReadByte(in);
  return high < 0 || low < 0 ? -1 : (high << 8) | low;
}

// The next marker's code, past any fill bytes; -1 at the end of the file.
int NextMarker(std::FILE* in) {
  int byte = ReadByte(in);
  while (byte >= 0 && byte != 0xFF) byte = ReadByte(in);
  while (byte == 0xFF) byte = ReadByte(in);
  return byte;
}

// Start-of-frame markers: C0..CF without DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameMarker(int marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsStandalone(int marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

// APP1 (Exif), APP2 (colour profile) and COM segments are kept in memory by the decoder.
bool IsKeptSegment(int marker) { return marker == 0xE1 || marker == 0xE2 || marker == 0xFE; }

// The decoder's coefficient arrays: every 8 x 8 block of every component, 64 values of two
// bytes each, rounded up to whole units of the component's sampling.
int64_t CoefficientBytes(const JpegFrame& frame, const std::vector<Component>& components) {
  int maxH = 1;
  int maxV = 1;
  for (const Component& c : components) {
    maxH = std::max(maxH, c.horizontal);
    maxV = std::max(maxV, c.vertical);
  }
  int64_t bytes = 0;
  for (const Component& c : components) {
    const int64_t across = CeilDiv(int64_t{frame.width} * c.horizontal, int64_t{maxH} * 8);
    const int64_t down = CeilDiv(int64_t{frame.height} * c.vertical, int64_t{maxV} * 8);
    bytes +=
        CeilDiv(across, c.horizontal) * c.horizontal * CeilDiv(down, c.vertical) * c.vertical * 128;
  }
  return bytes;
}

}  // namespace

std::optional<JpegFrame> ReadJpegFrame(std::FILE* in) {
  if (ReadByte(in) != 0xFF || ReadByte(in) != kSoi) return std::nullopt;
  std::optional<JpegFrame> frame;
  std::vector<Component> components;
  bool progressive = false;
  int64_t keptBytes = 0;
  for (int marker = NextMarker(in); marker >= 0; marker = NextMarker(in)) {
    if (IsStandalone(marker)) continue;
    const int length = ReadWord(in);
    if (length < 2) return std::nullopt;
    if (IsFrameMarker(marker) && !frame) {
      ReadByte(in);  // sample precision
      frame = JpegFrame{};
      frame->height = ReadWord(in);
      frame->width = ReadWord(in);
      const int count = ReadByte(in);
      for (int i = 0; i < count; ++i) {
        ReadByte(in);  // component id
        const int sampling = ReadByte(in);
        ReadByte(in);  // quantisation table
        components.push_back({std::max(1, sampling >> 4), std::max(1, sampling & 0x0F)});
      }
      // C2, C6, CA, CE: the progressive kinds.
      progressive = (marker & 0x03) == 0x02;
      if (std::feof(in) || std::ferror(in) || frame->width <= 0 || frame->height <= 0 ||
          components.empty()) {
        return std::nullopt;
      }
      continue;
    }
    if (marker == kSos) {
      if (!frame) return std::nullopt;
      const int inThisScan = ReadByte(in);
      if (inThisScan < 0) return std::nullopt;
      frame->fixedBytes = 2 * keptBytes;
      if (progressive || inThisScan < static_cast<int>(components.size())) {
        frame->fixedBytes += CoefficientBytes(*frame, components);
      }
      return frame;
    }
    if (IsKeptSegment(marker)) keptBytes += length;
    if (std::fseek(in, length - 2, SEEK_CUR) != 0) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace pendrel::backends

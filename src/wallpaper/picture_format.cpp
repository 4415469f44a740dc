#include "wallpaper/picture_format.h"

#include <optional>

namespace pendrel {

namespace {

// Reads unsigned integers out of the header; nullopt past its end.
class Bytes {
 public:
  explicit Bytes(std::string_view data) : data_(data) {}
  bool StartsWith(size_t at, std::string_view text) const {
    return at <= data_.size() && data_.substr(at).starts_with(text);
  }
  std::optional<uint32_t> Big(size_t at, int width) const { return Read(at, width, true); }
  std::optional<uint32_t> Little(size_t at, int width) const { return Read(at, width, false); }

 private:
  std::optional<uint32_t> Read(size_t at, int width, bool bigEndian) const {
    if (at > data_.size() || data_.size() - at < static_cast<size_t>(width)) return std::nullopt;
    uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
      const auto byte = static_cast<unsigned char>(data_[at + (bigEndian ? i : width - 1 - i)]);
      value = (value << 8) | byte;
    }
    return value;
  }
  std::string_view data_;
};

PictureHeader Sized(PictureFormat format, std::optional<uint32_t> width,
                    std::optional<uint32_t> height) {
  if (!width || !height || *width == 0 || *height == 0) return {};
  return {format, *width, *height};
}

// The size is in the first start-of-frame segment, after any number of others.
PictureHeader Jpeg(const Bytes& b) {
  size_t at = 2;
  while (true) {
    while (b.Big(at, 1) == 0xFFu && b.Big(at + 1, 1) == 0xFFu) ++at;  // fill bytes
    const auto marker = b.Big(at, 2);
    if (!marker || (*marker >> 8) != 0xFF) return {};
    const uint32_t code = *marker & 0xFF;
    if (code == 0x01 || (code >= 0xD0 && code <= 0xD7)) {  // markers without a segment
      at += 2;
      continue;
    }
    if (code == 0xD9 || code == 0xDA) return {};  // image data before any frame header
    const bool frame = code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
    if (frame) return Sized(PictureFormat::Jpeg, b.Big(at + 7, 2), b.Big(at + 5, 2));
    const auto length = b.Big(at + 2, 2);
    if (!length || *length < 2) return {};
    at += 2 + *length;
  }
}

PictureHeader Bmp(const Bytes& b) {
  const auto infoSize = b.Little(14, 4);
  if (infoSize == 12u) return Sized(PictureFormat::Bmp, b.Little(18, 2), b.Little(20, 2));
  const auto width = b.Little(18, 4);
  const auto height = b.Little(22, 4);
  if (!infoSize || *infoSize < 40 || !width || !height) return {};
  // A negative height marks rows stored top-down; a negative width is no picture.
  const auto columns = static_cast<int32_t>(*width);
  const auto rows = static_cast<int64_t>(static_cast<int32_t>(*height));
  if (columns <= 0) return {};
  return Sized(PictureFormat::Bmp, static_cast<uint32_t>(columns),
               static_cast<uint32_t>(rows < 0 ? -rows : rows));
}

PictureHeader WebP(const Bytes& b) {
  if (b.StartsWith(12, "VP8 ")) {
    if (!b.StartsWith(23, "\x9D\x01\x2A")) return {};
    const auto width = b.Little(26, 2);
    const auto height = b.Little(28, 2);
    if (!width || !height) return {};
    return Sized(PictureFormat::WebP, *width & 0x3FFF, *height & 0x3FFF);
  }
  if (b.StartsWith(12, "VP8L")) {
    const auto bits = b.Little(21, 4);
    if (b.Big(20, 1) != 0x2Fu || !bits) return {};
    return Sized(PictureFormat::WebP, (*bits & 0x3FFF) + 1, ((*bits >> 14) & 0x3FFF) + 1);
  }
  if (b.StartsWith(12, "VP8X")) {
    const auto width = b.Little(24, 3);
    const auto height = b.Little(27, 3);
    if (!width || !height) return {};
    return Sized(PictureFormat::WebP, *width + 1, *height + 1);
  }
  return {};
}

// Width and height are tags 256 and 257 of the first directory, as SHORT or LONG values.
PictureHeader Tiff(const Bytes& b, bool bigEndian) {
  auto read = [&](size_t at, int width) {
    return bigEndian ? b.Big(at, width) : b.Little(at, width);
  };
  const auto directory = read(4, 4);
  if (!directory) return {};
  const auto count = read(*directory, 2);
  if (!count) return {};
  std::optional<uint32_t> width, height;
  for (uint32_t i = 0; i < *count; ++i) {
    const size_t entry = *directory + 2 + size_t{12} * i;
    const auto tag = read(entry, 2);
    const auto type = read(entry + 2, 2);
    if (!tag || !type) return {};
    if (*tag != 256 && *tag != 257) continue;
    const auto value = *type == 3   ? read(entry + 8, 2)
                       : *type == 4 ? read(entry + 8, 4)
                                    : std::nullopt;
    (*tag == 256 ? width : height) = value;
  }
  return Sized(PictureFormat::Tiff, width, height);
}

}  // namespace

PictureHeader ReadPictureHeader(std::string_view head) {
  const Bytes b(head);
  if (b.StartsWith(0, "\xFF\xD8\xFF")) return Jpeg(b);
  if (b.StartsWith(0, "\x89PNG\r\n\x1A\n") && b.StartsWith(12, "IHDR")) {
    return Sized(PictureFormat::Png, b.Big(16, 4), b.Big(20, 4));
  }
  if (b.StartsWith(0, "GIF87a") || b.StartsWith(0, "GIF89a")) {
    return Sized(PictureFormat::Gif, b.Little(6, 2), b.Little(8, 2));
  }
  if (b.StartsWith(0, "BM")) return Bmp(b);
  if (b.StartsWith(0, "RIFF") && b.StartsWith(8, "WEBP")) return WebP(b);
  if (b.StartsWith(0, std::string_view("II*\0", 4))) return Tiff(b, false);
  if (b.StartsWith(0, std::string_view("MM\0*", 4))) return Tiff(b, true);
  return {};
}

std::string_view PictureFormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::Jpeg:
      return "JPEG";
    case PictureFormat::Png:
      return "PNG";
    case PictureFormat::Gif:
      return "GIF";
    case PictureFormat::Bmp:
      return "BMP";
    case PictureFormat::WebP:
      return "WebP";
    case PictureFormat::Tiff:
      return "TIFF";
    case PictureFormat::None:
      break;
  }
  return "kein Bild";
}

}  // namespace pendrel

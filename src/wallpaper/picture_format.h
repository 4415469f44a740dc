// Recognises the pictures desktops can show from their first bytes, whatever the file's name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pendrel {

enum class PictureFormat { None, Jpeg, Png, Gif, Bmp, WebP, Tiff };

struct PictureHeader {
  PictureFormat format = PictureFormat::None;
  uint32_t width = 0;
  uint32_t height = 0;
};

// How many leading bytes of a file ReadPictureHeader wants to see: a JPEG's size may
// follow large metadata segments.
inline constexpr size_t kPictureHeaderBytes = size_t{512} << 10;

// The format and size of the picture that `head` (the start of a file) begins; format None
// unless the signature is known and the header gives a width and height above 0.
PictureHeader ReadPictureHeader(std::string_view head);

std::string_view PictureFormatName(PictureFormat format);

}  // namespace pendrel

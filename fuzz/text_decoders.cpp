// The UTF-8 and ANSI decoders on any bytes, checked against the strict decoder the build
// step uses: valid UTF-8 decodes alike in all of them and encodes back to the same bytes;
// elsewhere the ANSI rule differs from UTF-8 only where UTF-8 gives up.
#include "docgen/utf8_code_points.h"
#include "fuzz_input.h"

namespace {

rt::Text Utf16(std::u32string_view codePoints) {
  rt::Text text;
  for (char32_t cp : codePoints) {
    if (cp < 0x10000) {
      text.push_back(static_cast<char16_t>(cp));
    } else {
      text.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    }
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const rt::Text utf8 = rt::FromUtf8(bytes);
  const rt::Text ansi = rt::FromAnsi(bytes);
  fuzz::Require(ansi == rt::FromUtf8OrWindows1252(bytes), "ANSI is UTF-8 or Windows-1252");
  fuzz::Require(utf8.size() == ansi.size(), "both decoders read the same sequences");

  std::u32string codePoints;
  if (stdproc::doku::DecodeUtf8(bytes, codePoints)) {
    const rt::Text strict = Utf16(codePoints);
    fuzz::Require(utf8 == strict && ansi == strict, "valid UTF-8 decodes alike everywhere");
    fuzz::Require(rt::ToUtf8(utf8) == bytes && rt::ToAnsi(ansi) == bytes,
                  "valid UTF-8 encodes back to its bytes");
  }
  for (size_t i = 0; i < ansi.size(); ++i) {
    // Where UTF-8 gave up, the ANSI rule read one Windows-1252 byte.
    if (utf8[i] != ansi[i]) {
      fuzz::Require(utf8[i] == 0xFFFD, "the two decoders differ only at unreadable bytes");
    }
  }
  // Decoded text encodes to UTF-8 that reads back to the same text.
  fuzz::Require(rt::FromUtf8(rt::ToUtf8(ansi)) == ansi, "decoded text survives UTF-8");
  return 0;
}

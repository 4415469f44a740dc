// The line reader on any file, in each of its three formats after the byte-order mark
// detection: every call moves on, and no line holds a line end or a 0 unit.
#include "fuzz_input.h"
#include "runtime/files.h"
#include "runtime/objects.h"

namespace {

size_t MarkLength(int32_t format) {
  switch (format) {
    case rt::FormatUtf8:
      return 3;
    case rt::FormatUtf16:
    case rt::FormatUtf16BE:
      return 2;
    case rt::FormatUtf32BE:
      return 4;
    default:
      return 0;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const bool detected = input.Flag();
  const int32_t chosen = input.OneOf({rt::FormatAnsi, rt::FormatUtf8, rt::FormatUtf16});
  const std::string content = input.Rest();
  const int32_t file = rt::FileOpenRead(rt::AnyNumber, fuzz::ScratchFile("lines", content));
  fuzz::Require(file != 0, "the file opens");

  const int32_t mark = rt::FileTextFormat(file);
  const int64_t start = rt::FileLoc(file);
  fuzz::Require(start == static_cast<int64_t>(MarkLength(mark)), "only the mark is skipped");

  const int32_t format = detected ? mark : chosen;
  for (int64_t before = start; !rt::FileAtEnd(file); before = rt::FileLoc(file)) {
    const rt::Text line = rt::FileReadLine(file, format);
    fuzz::Require(rt::FileLoc(file) > before, "every line read moves on");
    fuzz::Require(line.find_first_of(std::u16string_view(u"\r\n\0", 3)) == rt::Text::npos,
                  "a line holds no line end and no 0 unit");
  }
  fuzz::Require(rt::FileLoc(file) == static_cast<int64_t>(content.size()),
                "reading ends at the end of the file");
  rt::FileClose(file);
  return 0;
}

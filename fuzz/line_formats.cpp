// What the text writer writes, the line reader reads back, in UTF-8, UTF-16 and ANSI: the
// UTF-16 decoder exactly, the 8-bit ones with lone surrogates become U+FFFD.
#include "fuzz_input.h"
#include "runtime/files.h"
#include "runtime/objects.h"

namespace {

bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// The text as a UTF-8 round trip gives it back.
rt::Text WithLoneSurrogatesReplaced(rt::TextView text) {
  rt::Text out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const bool pair =
        out[i] <= 0xDBFF && i + 1 < out.size() && out[i + 1] >= 0xDC00 && out[i + 1] <= 0xDFFF;
    if (IsSurrogate(out[i]) && pair) {
      ++i;
    } else if (IsSurrogate(out[i])) {
      out[i] = 0xFFFD;
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const int32_t format = input.OneOf({rt::FormatAnsi, rt::FormatUtf8, rt::FormatUtf16});
  rt::Text text = input.Text(4096);
  // One line: its line ends and 0 units would end it early.
  std::erase_if(text, [](char16_t c) { return c == u'\r' || c == u'\n' || c == 0; });

  const rt::Text path = fuzz::ScratchPath("formats");
  const int32_t out = rt::FileCreate(rt::AnyNumber, path);
  fuzz::Require(out != 0, "the file is created");
  rt::FileWriteText(out, text, format);
  rt::FileWriteText(out, u"\r\nnext", format);
  rt::FileClose(out);

  const int32_t in = rt::FileOpenRead(rt::AnyNumber, path);
  const rt::Text line = rt::FileReadLine(in, format);
  const rt::Text next = rt::FileReadLine(in, format);
  rt::FileClose(in);
  const rt::Text want = format == rt::FormatUtf16 ? text : WithLoneSurrogatesReplaced(text);
  fuzz::Require(line == want, "a written line reads back");
  fuzz::Require(next == u"next", "the line after it starts at its line end");
  return 0;
}

// Scrambling with a key, on any text and key: the stream cipher applied twice and the
// code shift undone both give the text back.
#include "stdproc/text/scrambling.h"

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const rt::Text key = input.Text(32);
  const rt::Text text = input.Text(1024);
  fuzz::Require(stdproc::yCryptStream(stdproc::yCryptStream(text, key), key) == text,
                "the stream cipher twice restores the text");
  const rt::Text encoded = stdproc::yEncodeText(text, key);
  fuzz::Require(encoded.size() == rt::Visible(text).size(), "encoding keeps the length");
  fuzz::Require(stdproc::yDecodeText(encoded, key) == rt::Visible(text),
                "decoding restores the encoded text");
  return 0;
}

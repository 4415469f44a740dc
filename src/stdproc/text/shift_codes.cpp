#include <algorithm>

#include "stdproc/text/scrambling.h"

namespace stdproc {

namespace {

// The shift arithmetic is modulo 255 on the codes 1 to 255. A key code s shifts within a
// window of 255 codes (1..255, or s-254..s for a key character above 255); inside it the
// family's arithmetic applies unchanged, with 255 standing in for the residue 0 that no
// text can hold. Codes outside the window are placed so that none collides with another:
// above the window they stay, below it they take the places 256..s that the window's
// codes leave when they shift down into 1..255.
constexpr int32_t kWindow = 255;

int32_t WindowTop(int32_t shift) { return std::max(shift, kWindow); }

int32_t EncodeCode(int32_t code, int32_t shift) {
  const int32_t top = WindowTop(shift);
  if (code > top) return code;
  if (code <= top - kWindow) return code + kWindow;
  const int32_t shifted = ySubCode(code, shift);
  return shifted == 0 ? kWindow : shifted;
}

int32_t DecodeCode(int32_t code, int32_t shift) {
  if (code <= kWindow) return yAddCode(code, shift);
  if (code <= WindowTop(shift)) return code - kWindow;
  return code;
}

template <class Shift>
rt::Text ShiftText(rt::TextView text, rt::TextView key, Shift&& shift) {
  text = rt::Visible(text);
  key = rt::Visible(key);
  // Without a key there is nothing to shift by; the cyclic lookup would never end.
  if (key.empty()) return rt::Text(text);
  std::vector<int32_t> keyCodes(key.size() + 1, 0);
  for (size_t n = 1; n <= key.size(); ++n) keyCodes[n] = key[n - 1];
  rt::Text result;
  result.reserve(text.size());
  for (size_t p = 1; p <= text.size(); ++p) {
    const int32_t code = text[p - 1];
    const int32_t s = yKeyCode(static_cast<int32_t>(p), keyCodes);
    result += static_cast<char16_t>(shift(code, s));
  }
  return result;
}

}  // namespace

rt::Text yEncodeText(rt::TextView text, rt::TextView key) {
  return ShiftText(text, key, EncodeCode);
}

rt::Text yDecodeText(rt::TextView text, rt::TextView key) {
  return ShiftText(text, key, DecodeCode);
}

int32_t yKeyCode(int32_t position, const std::vector<int32_t>& keyCodes) {
  const int32_t upper = static_cast<int32_t>(keyCodes.size()) - 1;
  if (upper < 1 || position < 1) return 0;
  return keyCodes[(position - 1) % upper + 1];
}

// Computed in 64 bits so that no pair of arguments overflows; the result keeps the low
// 32 bits.
int32_t ySubCode(int32_t code, int32_t shift) {
  const int64_t result = int64_t{code} - shift;
  return static_cast<int32_t>(result < 0 ? result + 255 : result);
}

int32_t yAddCode(int32_t code, int32_t shift) {
  const int64_t result = int64_t{code} + shift;
  return static_cast<int32_t>(result > 255 ? result - 255 : result);
}

}  // namespace stdproc

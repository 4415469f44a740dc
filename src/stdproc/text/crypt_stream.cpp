#include <array>
#include <cstdint>
#include <utility>

#include "stdproc/text/scrambling.h"

namespace stdproc {

namespace {

// RC4. Indexes wrap in 8-bit arithmetic: the same remainders modulo 256 as the
// family's yMod gives for these non-negative operands, without a division per byte.
class Keystream {
 public:
  explicit Keystream(rt::TextView key) {
    for (int i = 0; i < 256; ++i) state_[i] = static_cast<uint8_t>(i);
    uint8_t j = 0;
    for (size_t i = 0; i < 256; ++i) {
      // The key repeats over the 256 entries; each character counts modulo 256, so codes
      // of 32768 and above schedule like their low byte instead of going negative.
      const uint8_t keyByte = key.empty() ? 0 : static_cast<uint8_t>(key[i % key.size()]);
      j = static_cast<uint8_t>(j + state_[i] + keyByte);
      std::swap(state_[i], state_[j]);
    }
  }

  uint8_t Next() {
    ++i_;
    j_ = static_cast<uint8_t>(j_ + state_[i_]);
    std::swap(state_[i_], state_[j_]);
    return state_[static_cast<uint8_t>(state_[i_] + state_[j_])];
  }

 private:
  std::array<uint8_t, 256> state_{};
  uint8_t i_ = 0;
  uint8_t j_ = 0;
};

}  // namespace

rt::Text yCryptStream(rt::TextView text, rt::TextView key) {
  Keystream stream(rt::Visible(key));
  // The whole stored text, zero units included: a scrambled text may hold a 0 unit, and
  // the second call must see it to restore what follows.
  rt::Text result(text);
  // As many bytes as the text has characters, two bytes per character, low byte first:
  // the first half of the storage, as texts scrambled elsewhere in the family expect.
  const size_t bytes = result.size();
  const size_t wholeCharacters = bytes / 2;
  for (size_t c = 0; c < wholeCharacters; ++c) {
    const uint16_t low = stream.Next();
    const uint16_t high = stream.Next();
    result[c] ^= static_cast<char16_t>(low | (high << 8));
  }
  if (bytes % 2 != 0) result[wholeCharacters] ^= static_cast<char16_t>(stream.Next());
  return result;
}

}  // namespace stdproc

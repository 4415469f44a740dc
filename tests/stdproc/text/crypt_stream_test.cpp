#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "stdproc/text/scrambling.h"

namespace {

using stdproc::yCryptStream;

// The keystream bytes the routine combined with a text of `count` characters: the first
// `count` bytes of its storage, two per character, low byte first.
std::string KeystreamHex(const std::u16string& key, size_t count) {
  const std::u16string text(count, u'a');
  const std::u16string scrambled = yCryptStream(text, key);
  std::string hex;
  char digits[3];
  for (size_t b = 0; b < count; ++b) {
    const unsigned unit = scrambled[b / 2] ^ text[b / 2];
    std::snprintf(digits, sizeof digits, "%02X", b % 2 == 0 ? unit & 0xFF : unit >> 8);
    hex += digits;
  }
  return hex;
}

TEST(CryptStream, UsesTheRc4Keystream) {
  EXPECT_EQ(KeystreamHex(u"Key", 10), "EB9F7781B734CA72A719");
  EXPECT_EQ(KeystreamHex(u"Wiki", 6), "6044DB6D41B7");
  EXPECT_EQ(KeystreamHex(u"Secret", 8), "04D46B053CA87B59");
  EXPECT_EQ(KeystreamHex(u"\x01\x02\x03\x04\x05", 16), "B2396305F03DC027CCC3524A0A1118A8");
}

TEST(CryptStream, TakesKeyCodesModuloTwoHundredFiftySix) {
  const std::u16string text = u"Über Straße, naïve café: ✓";
  EXPECT_EQ(yCryptStream(text, u"\u8041\u0142"), yCryptStream(text, u"AB"));
  // An empty key schedules with a table of zeros, like a key of code 256.
  EXPECT_EQ(yCryptStream(text, u""), yCryptStream(text, u"\u0100"));
  EXPECT_EQ(KeystreamHex(u"", 8), "DE188941A3375D3A");
}

TEST(CryptStream, CoversAsManyBytesAsTheTextHasCharacters) {
  const std::u16string even = u"abcdefgh";
  const std::u16string scrambled = yCryptStream(even, u"Key");
  ASSERT_EQ(scrambled.size(), 8u);
  for (size_t c = 0; c < 4; ++c) EXPECT_NE(scrambled[c], even[c]) << c;
  EXPECT_EQ(scrambled.substr(4), u"efgh");

  // An odd count ends in the low byte of the middle character.
  const std::u16string odd = u"\u4142\u4344\u4546\u4748\u494A";
  const std::u16string oddScrambled = yCryptStream(odd, u"Key");
  EXPECT_EQ(oddScrambled[2] & 0xFF00, 0x4500);
  EXPECT_NE(oddScrambled[2] & 0x00FF, 0x0046);
  EXPECT_EQ(oddScrambled.substr(3), odd.substr(3));
  EXPECT_EQ(yCryptStream(u"", u"Key"), u"");
}

TEST(CryptStream, KeepsAZeroCharacterSoTheSecondCallRestores) {
  // 0x9FEB meets the first two keystream bytes of "Key" (EB, 9F) and becomes 0.
  const std::u16string text = u"\u9FEBrest of the text";
  const std::u16string scrambled = yCryptStream(text, u"Key");
  ASSERT_EQ(scrambled.size(), text.size());
  EXPECT_EQ(scrambled[0], u'\0');
  EXPECT_EQ(yCryptStream(scrambled, u"Key"), text);
}

TEST(CryptStream, SecondCallRestoresRandomTexts) {
  std::mt19937 random(11);
  // Latin-1, units of other scripts and units with an empty low byte all occur.
  auto randomText = [&](size_t length) {
    std::u16string text;
    for (size_t k = 0; k < length; ++k) {
      const unsigned kind = random() % 3;
      const char16_t unit = kind == 0   ? static_cast<char16_t>(32 + random() % 224)
                            : kind == 1 ? static_cast<char16_t>(1 + random() % 0xFFFF)
                                        : static_cast<char16_t>(0x100 * (1 + random() % 255));
      text += unit;
    }
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    std::u16string text = randomText(random() % 40);
    const std::u16string key = randomText(random() % 6);
    // Every other text gets a character that the keystream turns into 0.
    if (round % 2 == 0 && text.size() >= 2) {
      const size_t at = random() % (text.size() / 2);
      const char16_t keystream = text[at] ^ yCryptStream(text, key)[at];
      if (keystream != 0) text[at] = keystream;
    }
    const std::u16string scrambled = yCryptStream(text, key);
    ASSERT_EQ(yCryptStream(scrambled, key), text)
        << testing::PrintToString(text) << " key " << testing::PrintToString(key);
  }
}

}  // namespace

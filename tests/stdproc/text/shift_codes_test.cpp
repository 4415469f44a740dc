#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "stdproc/text/scrambling.h"

namespace {

using stdproc::yAddCode;
using stdproc::yDecodeText;
using stdproc::yEncodeText;
using stdproc::yKeyCode;
using stdproc::ySubCode;

std::u16string Unit(int32_t code) { return std::u16string(1, static_cast<char16_t>(code)); }

TEST(ShiftCodes, WrapModulo255) {
  EXPECT_EQ(ySubCode(10, 20), 245);
  EXPECT_EQ(yAddCode(245, 20), 10);
  EXPECT_EQ(ySubCode(20, 10), 10);
  EXPECT_EQ(yAddCode(255, 0), 255);
  EXPECT_EQ(ySubCode(5, 5), 0);
  EXPECT_EQ(yAddCode(200, 56), 1);
}

TEST(KeyCode, RepeatsTheKeyCyclically) {
  const std::vector<int32_t> codes{0, 1, 2, 3, 4};
  EXPECT_EQ(yKeyCode(1, codes), 1);
  EXPECT_EQ(yKeyCode(4, codes), 4);
  EXPECT_EQ(yKeyCode(5, codes), 1);
  EXPECT_EQ(yKeyCode(9, codes), 1);
  EXPECT_EQ(yKeyCode(2147483647, codes), 3);
  // Without key entries, or before the first position, there is no key code.
  EXPECT_EQ(yKeyCode(3, std::vector<int32_t>{7}), 0);
  EXPECT_EQ(yKeyCode(3, std::vector<int32_t>{}), 0);
  EXPECT_EQ(yKeyCode(0, codes), 0);
  EXPECT_EQ(yKeyCode(-4, codes), 0);
}

TEST(EncodeText, ShiftsEachCharacterByItsKeyCharacter) {
  EXPECT_EQ(yEncodeText(u"b", u"a"), Unit(1));
  EXPECT_EQ(yEncodeText(u"a", u"b"), Unit(254));
  EXPECT_EQ(yDecodeText(Unit(254), u"b"), u"a");
  EXPECT_EQ(yEncodeText(u"", u"key"), u"");
  EXPECT_EQ(yDecodeText(u"", u"key"), u"");
  // The key repeats: positions p and p + 3 shift alike.
  const std::u16string encoded = yEncodeText(u"zzzzzzz", u"abc");
  EXPECT_EQ(encoded, Unit('z' - 'a') + Unit('z' - 'b') + Unit('z' - 'c') + Unit('z' - 'a') +
                         Unit('z' - 'b') + Unit('z' - 'c') + Unit('z' - 'a'));
}

TEST(EncodeText, CharacterEqualToItsKeyCharacterBecomes255) {
  EXPECT_EQ(yEncodeText(u"k", u"k"), Unit(255));
  EXPECT_EQ(yDecodeText(Unit(255), u"k"), u"k");
  EXPECT_EQ(yEncodeText(u"a€b", u"x€y"), Unit('a' - 'x' + 255) + Unit(255) + Unit(255 + 'b' - 'y'));
  EXPECT_EQ(yDecodeText(yEncodeText(u"Passwort", u"Passwort"), u"Passwort"), u"Passwort");
}

TEST(EncodeText, EmptyKeyLeavesTheTextUnchanged) {
  EXPECT_EQ(yEncodeText(u"Text", u""), u"Text");
  EXPECT_EQ(yDecodeText(u"Text", u""), u"Text");
}

TEST(EncodeText, MatchesTheModulo255ShiftOnLatin1) {
  for (int32_t c = 1; c <= 255; ++c) {
    for (int32_t s = 1; s <= 255; ++s) {
      if (c == s) continue;
      const std::u16string encoded = yEncodeText(Unit(c), Unit(s));
      ASSERT_EQ(encoded, Unit(ySubCode(c, s))) << c << " " << s;
      ASSERT_EQ(yDecodeText(encoded, Unit(s)), Unit(yAddCode(ySubCode(c, s), s)));
    }
  }
}

TEST(EncodeText, KeepsTheShiftWhereItRoundTripsAboveLatin1) {
  // Within 254 below a key character above 255, the plain shift already round-trips.
  EXPECT_EQ(yEncodeText(Unit(300), Unit(400)), Unit(155));
  EXPECT_EQ(yEncodeText(Unit(0x20AC - 10), u"€"), Unit(245));
  EXPECT_EQ(yEncodeText(Unit(200), Unit(400)), Unit(55));
  EXPECT_EQ(yDecodeText(Unit(55), Unit(400)), Unit(200));
  // Elsewhere: above the key's window a code stays, below it moves up by 255.
  EXPECT_EQ(yEncodeText(u"€", u"a"), u"€");
  EXPECT_EQ(yEncodeText(u"a", u"€"), Unit('a' + 255));
  EXPECT_EQ(yDecodeText(Unit('a' + 255), u"€"), u"a");
}

TEST(EncodeText, RoundTripsEveryCodeForEveryKeyCode) {
  for (const int32_t s :
       {1, 2, 97, 254, 255, 256, 257, 300, 509, 510, 511, 0x20AC, 0xD800, 0xFFFE, 0xFFFF}) {
    std::vector<bool> seen(0x10000, false);
    for (int32_t c = 1; c <= 0xFFFF; ++c) {
      const std::u16string encoded = yEncodeText(Unit(c), Unit(s));
      ASSERT_EQ(encoded.size(), 1u) << c << " " << s;
      ASSERT_NE(encoded[0], u'\0') << c << " " << s;
      ASSERT_FALSE(seen[encoded[0]]) << "two codes meet at " << int(encoded[0]) << " for " << s;
      seen[encoded[0]] = true;
      ASSERT_EQ(yDecodeText(encoded, Unit(s)), Unit(c)) << c << " " << s;
    }
  }
}

TEST(EncodeText, RoundTripsRandomTexts) {
  std::mt19937 random(5);
  auto randomText = [&](size_t length) {
    std::u16string text;
    for (size_t k = 0; k < length; ++k) {
      text += random() % 2 ? static_cast<char16_t>(1 + random() % 255)
                           : static_cast<char16_t>(1 + random() % 0xFFFF);
    }
    return text;
  };
  for (int round = 0; round < 2000; ++round) {
    const std::u16string text = randomText(random() % 50);
    const std::u16string key = randomText(1 + random() % 8);
    const std::u16string encoded = yEncodeText(text, key);
    ASSERT_EQ(encoded.size(), text.size());
    ASSERT_EQ(yDecodeText(encoded, key), text)
        << testing::PrintToString(text) << " key " << testing::PrintToString(key);
  }
}

}  // namespace

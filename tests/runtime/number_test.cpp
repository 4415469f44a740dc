#include "runtime/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace rt;

TEST(TextToInt, PrefixesSignsAndStops) {
  struct Case {
    const char16_t* text;
    int64_t want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"  $1F", 31},
           {u"%101", 5},
           {u"abc", 0},
           {u"-0", 0},
           {u"12abc", 12},
           {u"1.5", 1},
           {u" -$ff", -255},
           {u"\t+42", 42},
           {u"$", 0},
           {u"9223372036854775807", INT64_MAX},
           {u"18446744073709551617", 1},  // wraps modulo 2^64
           {u"$FFFFFFFFFFFFFFFF", -1},
       }) {
    EXPECT_EQ(TextToInt(c.text), c.want) << std::u16string(c.text).size();
  }
}

TEST(TextToFloat, DecimalPointAndSpecialWords) {
  EXPECT_FLOAT_EQ(TextToFloat(u"1.5"), 1.5f);
  EXPECT_FLOAT_EQ(TextToFloat(u"1.00 10.03"), 1.0f);
  EXPECT_FLOAT_EQ(TextToFloat(u"-2.5e2x"), -250.0f);
  EXPECT_FLOAT_EQ(TextToFloat(u"3e"), 3.0f);
  EXPECT_FLOAT_EQ(TextToFloat(u"abc"), 0.0f);
  EXPECT_FLOAT_EQ(TextToFloat(u"1,5"), 1.0f);
  EXPECT_TRUE(std::isinf(TextToFloat(u"+INFINITY")));
  EXPECT_LT(TextToFloat(u"-infinity"), 0.0f);
  EXPECT_TRUE(std::isnan(TextToFloat(u"nan")));
}

TEST(TextToFloat, BeyondTheFloatRangeKeepsSignAndDirection) {
  EXPECT_EQ(TextToFloat(u"1e39"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(TextToFloat(u"-1e39"), -std::numeric_limits<float>::infinity());
  EXPECT_EQ(TextToFloat(u"-1e400"), -std::numeric_limits<float>::infinity());
  EXPECT_FLOAT_EQ(TextToFloat(u"1e-40"), 1e-40f);  // a subnormal, not 0
  for (std::u16string_view tiny : {u"-1e-50", u"-1e-400"}) {
    EXPECT_EQ(TextToFloat(tiny), 0.0f) << rt::ToUtf8(tiny);
    EXPECT_TRUE(std::signbit(TextToFloat(tiny))) << rt::ToUtf8(tiny);
  }
}

TEST(IntToText, DecimalHexAndBinaryOfTwosComplement) {
  EXPECT_EQ(IntToText(-12), u"-12");
  EXPECT_EQ(IntToText(INT64_MIN), u"-9223372036854775808");
  EXPECT_EQ(IntToHex(0), u"0");
  EXPECT_EQ(IntToHex(255), u"FF");
  EXPECT_EQ(IntToHex(-1), u"FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToBin(0), u"0");
  EXPECT_EQ(IntToBin(5), u"101");
  EXPECT_EQ(IntToBin(-1), std::u16string(64, u'1'));
  EXPECT_EQ(FloatToInt(-2.9), -2);
  EXPECT_EQ(FloatToInt(2.9), 2);
}

#include "stdproc/text/format_number.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FormatNumber, FillsTheMaskFromTheRight) {
  struct Case {
    std::u16string mask;
    int32_t value;
    std::u16string want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"##0", 0, u"  0"},
           {u"###", 0, u"  0"},
           {u"0000", 42, u"0042"},
           {u"##", 12345, u"45"},
           {u"#.###.##0", 1234567, u"1.234.567"},
           {u"#.###.##0", 7, u"        7"},
           {u"EUR ###", 5, u"EUR   5"},
           {u"", 5, u""},
           {u">", 5, u">"},
           {u"#>x#", 5, u" >x5"},
           {u"#.##", 123456, u"4.56"},
       }) {
    EXPECT_EQ(stdproc::yFormatNumber(c.mask, c.value), c.want)
        << testing::PrintToString(c.mask) << " " << c.value;
  }
}

TEST(FormatNumber, CountsTheMinusSignAsADigit) {
  EXPECT_EQ(stdproc::yFormatNumber(u"###", -5), u" -5");
  EXPECT_EQ(stdproc::yFormatNumber(u"#", -5), u"5");
  EXPECT_EQ(stdproc::yFormatNumber(u"##.##0", -1234), u"-1.234");
  EXPECT_EQ(stdproc::yFormatNumber(u"000", -5), u"0-5");
  EXPECT_EQ(stdproc::yFormatNumber(u"###########", std::numeric_limits<int32_t>::min()),
            u"-2147483648");
}

TEST(FormatNumber, PrefixesSelectHexadecimalAndBinaryOfTheWidenedValue) {
  EXPECT_EQ(stdproc::yFormatNumber(u">$0000", 255), u"00FF");
  EXPECT_EQ(stdproc::yFormatNumber(u">%########", 5), u"     101");
  EXPECT_EQ(stdproc::yFormatNumber(u">$", 255), u"");
  EXPECT_EQ(stdproc::yFormatNumber(u">$####", -1), u"FFFF");
  EXPECT_EQ(stdproc::yFormatNumber(u">$" + std::u16string(20, u'#'), -2), u"    FFFFFFFFFFFFFFFE");
  EXPECT_EQ(stdproc::yFormatNumber(u">%" + std::u16string(64, u'#'), -1), std::u16string(64, u'1'));
  EXPECT_EQ(stdproc::yFormatNumber(u">%" + std::u16string(66, u'0'), -1),
            u"00" + std::u16string(64, u'1'));
}

}  // namespace

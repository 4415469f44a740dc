#include "stdproc/text/string_field.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  std::u16string text;
  int32_t index;
  std::u16string delimiter, want;
};

void Check(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(stdproc::yStringField(c.text, c.index, c.delimiter), c.want)
        << "text " << testing::PrintToString(c.text) << " index " << c.index;
  }
}

TEST(StringField, NumbersFieldsFromZeroWithTheDelimiterInFront) {
  const std::u16string text = u"/F:*.* /S:Y /D:N";
  Check({
      {text, 0, u"/", u""},
      {text, 1, u"/", u"/F:*.* "},
      {text, 2, u"/", u"/S:Y "},
      {text, 3, u"/", u"/D:N"},
      {text, 4, u"/", u""},
      {text, -1, u"/", u""},
      {u"cmd /a/b", 0, u"/", u"cmd "},
      {u"abc", 0, u"/", u"abc"},
      {u"/a/b", 1, u"/", u"/a"},
  });
}

TEST(StringField, IgnoresDelimitersInsideQuotes) {
  Check({
      {u"/S:'a/b' /T:x", 1, u"/", u"/S:'a/b' "},
      {u"/S:'a/b' /T:x", 2, u"/", u"/T:x"},
      {u"/S:'it''s/x' /T:y", 1, u"/", u"/S:'it''s/x' "},
      {u"/S:'it''s/x' /T:y", 2, u"/", u"/T:y"},
      {u"x \"a/b\" /c", 0, u"/", u"x \"a/b\" "},
      {u"x \"a/b\" /c", 1, u"/", u"/c"},
      // A single quote inside double quotes still flips its own flag.
      {u"/a \"'\" /b", 2, u"/", u""},
  });
}

TEST(StringField, IgnoresDelimitersInsideParentheses) {
  Check({
      {u"/A:(x/y) /B", 1, u"/", u"/A:(x/y) "},
      {u"/A:(x/y) /B", 2, u"/", u"/B"},
      // An unmatched ")" keeps the depth below 0 for good.
      {u"/A:x) /B /C", 1, u"/", u"/A:x) /B /C"},
      {u"/A:x) /B /C", 2, u"/", u""},
      // Quotes do not hide parentheses.
      {u"'(' /x", 1, u"/", u""},
  });
}

TEST(StringField, MatchesOnlyAOneCharacterDelimiter) {
  Check({
      {u"a//b", 0, u"//", u"a//b"},
      {u"a//b", 1, u"//", u""},
      {u"a/b", 0, u"", u"a/b"},
  });
}

}  // namespace

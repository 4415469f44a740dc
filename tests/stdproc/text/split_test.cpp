#include <gtest/gtest.h>

#include <limits>

#include "stdproc/text/token_split.h"

namespace {

using stdproc::yMidFromTo;
using stdproc::ySplit;

struct Case {
  std::u16string mode, text;
  int32_t n;
  std::u16string sep, set, want;
};

void Check(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(ySplit(c.mode, c.text, c.n, c.sep, c.set), c.want)
        << "mode " << testing::PrintToString(c.mode) << " text " << testing::PrintToString(c.text)
        << " n " << c.n << " sep " << testing::PrintToString(c.sep) << " set "
        << testing::PrintToString(c.set);
  }
}

TEST(Split, MergesRunsOfSpacesIntoOneBoundary) {
  const std::u16string text = u"Menu1     Menu2";
  Check({
      {u"COUNT", text, 0, u" ", u"", u"1"},
      {u"", text, 1, u" ", u"", u"Menu1"},
      {u"", text, 2, u" ", u"", u"    Menu2"},
      {u"", text, 5, u" ", u"", u"    Menu2"},
      {u"COUNT", u"  a b  ", 0, u" ", u"", u"1"},
      {u"", u"  a b  ", 2, u" ", u"", u"b"},
      // Runs of any other separator are not merged.
      {u"COUNT", u"a;;b", 0, u";", u"", u"2"},
      {u"", u"a;;b", 2, u";", u"", u""},
      {u"", u"a;;b", 3, u";", u"", u"b"},
      {u"", u";a", 1, u";", u"", u""},
  });
}

TEST(Split, MergesRunsOfSetCharactersAndDropsTheLeadingOne) {
  Check({
      {u"COUNT", u"a /b", 0, u"", u"/ ", u"1"},
      {u"", u"a /b", 1, u"", u"/ ", u"a"},
      {u"", u"a /b", 2, u"", u"/ ", u"b"},
      {u"", u"a //b", 2, u"", u"/ ", u"/b"},
  });
}

TEST(Split, LeavesQuotedStretchesWhole) {
  const std::u16string text = u"\"W:\\U\" \"C:\\U\" /D /S";
  Check({
      {u"COUNT", text, 0, u"", u"/ ", u"3"},
      {u"count", text, 0, u"", u"/ ", u"3"},
      {u"", text, 1, u"", u"/ ", u"\"W:\\U\""},
      {u"", text, 2, u"", u"/ ", u"\"C:\\U\""},
      {u"", text, 3, u"", u"/ ", u"D"},
      {u"", text, 4, u"", u"/ ", u"S"},
      {u"", u"a \"b c d", 2, u" ", u"", u"\"b c d"},
      {u"COUNT", u"a \"b c d", 0, u" ", u"", u"1"},
  });
}

TEST(Split, EmptyTextsAndTokenNumbersBelowOneGiveNothing) {
  Check({
      {u"", u"", 1, u" ", u"", u""},
      {u"COUNT", u"", 0, u" ", u"", u"0"},
      {u"COUNT", u"   ", 0, u" ", u"", u"0"},
      // A boundary at the last position would otherwise leave "b" behind.
      {u"", u"a;b;", 0, u";", u"", u""},
      {u"", u"a;b;", -1, u";", u"", u""},
      {u"COUNTS", u"a;b", 0, u";", u"", u""},
  });
}

TEST(Split, LongerSeparatorRestartsOneCharacterBehindItsStart) {
  Check({
      {u"COUNT", u"a::b", 0, u"::", u"", u"1"},
      {u"", u"a::b", 1, u"::", u"", u"a"},
      {u"", u"a::b", 2, u"::", u"", u":b"},
  });
}

TEST(MidFromTo, ReturnsTheCharactersBetweenBothPositions) {
  struct MidCase {
    int32_t from, to;
    std::u16string want;
  };
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  for (const MidCase& c : std::initializer_list<MidCase>{
           {2, 4, u"bcd"},
           {3, 3, u"c"},
           {4, 2, u""},
           {0, 0, u""},
           {-3, 0, u""},
           {3, 99, u"cdef"},
           {7, 9, u""},
           // A start below 1 reads from the first character, the length still counting
           // from the given start.
           {-1, 2, u"abcd"},
           {kMin, kMax, u"abcdef"},
       }) {
    EXPECT_EQ(yMidFromTo(u"abcdef", c.from, c.to), c.want) << c.from << ".." << c.to;
  }
}

}  // namespace

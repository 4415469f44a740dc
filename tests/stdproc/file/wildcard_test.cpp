// The name filter of the directory listings.
#include "stdproc/file/wildcard.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  rt::Text first, second;
  int32_t ignoreCase;
  int32_t want;
};

void Check(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(stdproc::yMatchWildcard(c.first, c.second, c.ignoreCase), c.want)
        << rt::ToUtf8(c.first) << " / " << rt::ToUtf8(c.second) << " ignoreCase " << c.ignoreCase;
  }
}

TEST(MatchWildcard, StarsAndQuestionMarks) {
  Check({
      {u"*.mp3", u"Lied.MP3", 1, 1},
      {u"*.mp3", u"Lied.MP3", 0, 0},
      {u"*.mp3", u".mp3", 1, 0},  // a star before a literal takes at least one character
      {u"*.mp3", u"a.mp3.bak", 1, 0},
      {u"abc*", u"abc", 0, 1},  // a trailing star may be empty
      {u"abc*", u"abcdef", 0, 1},
      {u"abc*", u"ab", 0, 0},
      {u"*b*", u"abc", 0, 1},
      {u"a*c", u"abbbc", 0, 1},
      {u"a*c", u"abcbc", 0, 0},  // the literal's first occurrence is taken, no backtracking
      {u"a*?c", u"abxc", 0, 1},
      {u"Grüß*", u"GRÜSSE", 1, 0},
      {u"grü*", u"GRÜN", 1, 1},
  });
}

TEST(MatchWildcard, TheStringWithAStarIsThePattern) {
  Check({
      {u"a?c.txt", u"abc.txt", 0, 0},  // no star first: the pattern is taken as the text
      {u"abc.txt", u"a?c.txt", 0, 1},
      {u"abc.txt", u"*.txt", 0, 1},
      {u"*.txt", u"abc.txt", 0, 1},
      {u"same", u"same", 0, 1},
      {u"same", u"Same", 1, 1},
      {u"ab", u"abc", 0, 0},
      {u"abc", u"ab", 0, 0},
  });
}

TEST(MatchWildcard, EmptyAndCatchAllPatternsMatchEverything) {
  Check({
      {u"x", u"", 0, 1},
      {u"x", u"   ", 0, 1},
      {u"*", u"anything", 0, 1},
      {u"*.*", u"noext", 0, 1},
      {u"*.*", u"", 0, 1},
  });
}

TEST(MatchWildcard, AlternativesSeparatedByBar) {
  Check({
      {u"x", u"abc.txt|x", 0, 1},
      {u"*.mp3|*.wav", u"a.mp3", 1, 1},  // the literal run ends at the bar
      {u"*.mp3|*.wav", u"a.wav", 1, 1},
      {u"*.mp3|*.wav", u"a.ogg", 1, 0},
      {u"abc", u"ab|abc", 0, 1},  // reaching a bar with text left fails that alternative
      {u"ab", u"ab|abc", 0, 1},
      {u"abcd", u"ab|abc", 0, 0},
      {u"abc", u"x*|a*", 0, 1},  // a star that ends an alternative takes any rest
      {u"xyz", u"x*|a*", 0, 1},
      {u"b", u"x*|a*", 0, 0},
  });
}

}  // namespace

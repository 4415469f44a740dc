#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "stdproc/text/token_split.h"

namespace {

using stdproc::yTokenArray;
using stdproc::yTokenField;

struct Case {
  std::u16string mode, text, sep;
  int32_t n;
  std::u16string want;
};

void Check(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(yTokenField(c.mode, c.text, c.sep, c.n), c.want)
        << "mode " << testing::PrintToString(c.mode) << " text " << testing::PrintToString(c.text)
        << " sep " << testing::PrintToString(c.sep) << " n " << c.n;
  }
}

TEST(TokenField, CountsAndFetchesTokens) {
  Check({
      {u"", u"a/b//c", u"/", 0, u"4"},
      {u"", u"a/b//c", u"/", 1, u"a"},
      {u"", u"a/b//c", u"/", 2, u"b"},
      {u"", u"a/b//c", u"/", 3, u""},
      {u"", u"a/b//c", u"/", 4, u"c"},
      {u"", u"a/b//c", u"/", 9, u"c"},
      {u"", u"a/b//c", u"/", -1, u"c"},
      {u"", u"", u"/", 0, u"1"},
      {u"", u"", u"/", 1, u""},
      {u"", u"a/b", u"", 0, u"0"},
      {u"", u"a/b", u"", 1, u""},
  });
}

TEST(TokenField, SkipsEmptyTokensAfterTheFirstWithZwt) {
  Check({
      {u"#ZWT", u"a/b//c", u"/", 0, u"3"},
      {u"#ZWT", u"a/b//c", u"/", 3, u"c"},
      {u"#ZWT", u"/a//b", u"/", 0, u"3"},
      {u"#ZWT", u"/a//b", u"/", 1, u""},
      {u"#ZWT", u"/a//b", u"/", 2, u"a"},
      {u"#ZWT", u"a//", u"/", 0, u"1"},
      {u"", u"a//", u"/", 0, u"2"},
      {u"#zwt", u"a//b", u"/", 0, u"3"},
  });
}

TEST(TokenField, AppendsTheSeparatorOnlyWhenTheTextDoesNotEndInIt) {
  Check({
      {u"", u"a/b/", u"/", 0, u"2"},
      // Trailing spaces behind the last separator are not a token.
      {u"", u"a/b/  ", u"/", 0, u"2"},
      {u"", u"a/b ", u"/", 0, u"2"},
      {u"", u"a/b ", u"/", 2, u"b "},
      // A two-character separator is always appended, so a text ending in it has one
      // more, empty, token.
      {u"", u"l1\r\nl2", u"\r\n", 0, u"2"},
      {u"", u"l1\r\nl2\r\n", u"\r\n", 0, u"3"},
      {u"", u"l1\r\nl2\r\n", u"\r\n", 2, u"l2"},
      {u"", u"l1\r\nl2\r\n", u"\r\n", 3, u""},
      // The appended separator can complete a match that begins in the text.
      {u"", u"ab", u"bb", 0, u"1"},
      {u"", u"ab", u"bb", 1, u"a"},
  });
}

TEST(TokenField, TreatsTokensByTheFirstModeWordFound) {
  const std::u16string text = u" ab / x";
  Check({
      {u"#UC", text, u"/", 1, u" AB "},
      {u"#TUC", text, u"/", 1, u"AB"},
      {u"#T", text, u"/", 1, u"ab"},
      {u"#T", text, u"/", 2, u"x"},
      {u"x#UCx#T", text, u"/", 1, u" AB "},
      {u"#uc", text, u"/", 1, u" ab "},
      {u"#T#ZWT", u" a //  b ", u"/", 2, u"b"},
  });
}

TEST(TokenArray, StoresTokensFromIndexOne) {
  std::vector<std::u16string> tokens(6, u"old");
  EXPECT_EQ(yTokenArray(u"#T", u" a /b//c", tokens, u"/"), 4);
  EXPECT_EQ(tokens, (std::vector<std::u16string>{u"old", u"a", u"b", u"", u"c", u"old"}));

  std::vector<std::u16string> skipped(5);
  EXPECT_EQ(yTokenArray(u"#ZWT", u"a/b//c", skipped, u"/"), 3);
  EXPECT_EQ(skipped[3], u"c");
}

TEST(TokenArray, GrowsAShortVector) {
  std::vector<std::u16string> tokens{u"zero", u"x"};
  EXPECT_EQ(yTokenArray(u"", u"1;2;3;4;5", tokens, u";"), 5);
  EXPECT_EQ(tokens, (std::vector<std::u16string>{u"zero", u"1", u"2", u"3", u"4", u"5"}));

  std::vector<std::u16string> none;
  EXPECT_EQ(yTokenArray(u"", u"a", none, u";"), 1);
  EXPECT_EQ(none, (std::vector<std::u16string>{u"", u"a"}));
}

// The token loop as plainly stated: a working copy that loses the token and separator in
// front at each step. Slow, but with nothing clever in it.
std::vector<std::u16string> PlainTokens(const std::u16string& mode, const std::u16string& text,
                                        const std::u16string& sep) {
  std::u16string copy = text;
  const size_t kept = copy.find_last_not_of(u' ');
  const std::u16string trimmed = kept == std::u16string::npos ? u"" : copy.substr(0, kept + 1);
  if (trimmed.empty() || trimmed.substr(trimmed.size() - 1) != sep) copy += sep;
  std::vector<std::u16string> tokens;
  auto find = [&] { return sep.empty() ? std::u16string::npos : copy.find(sep); };
  size_t p = find();
  while (p != std::u16string::npos) {
    tokens.push_back(copy.substr(0, p));
    if (copy.size() > p + 1) {
      copy.erase(0, p + sep.size());
      p = find();
    } else {
      copy.clear();
      p = std::u16string::npos;
    }
    while (mode == u"#ZWT" && p == 0) {
      copy.erase(0, sep.size());
      p = find();
    }
  }
  return tokens;
}

std::u16string Decimal(size_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

TEST(TokenField, AgreesWithThePlainLoopOnRandomTexts) {
  std::mt19937 random(7);
  const std::u16string alphabet = u"ab/; \r\n";
  const std::u16string separators[] = {u"/", u";", u" ", u"//", u"\r\n", u"; ", u"aa"};
  for (int round = 0; round < 2000; ++round) {
    std::u16string text;
    const int length = static_cast<int>(random() % 12);
    for (int k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
    const std::u16string& sep = separators[random() % std::size(separators)];
    for (const std::u16string mode : {u"", u"#ZWT"}) {
      const std::vector<std::u16string> want = PlainTokens(mode, text, sep);
      const std::string where = "text " + testing::PrintToString(text) + " sep " +
                                testing::PrintToString(sep) + " mode " +
                                testing::PrintToString(mode);
      ASSERT_EQ(yTokenField(mode, text, sep, 0), Decimal(want.size())) << where;
      std::vector<std::u16string> array;
      ASSERT_EQ(yTokenArray(mode, text, array, sep), static_cast<int32_t>(want.size())) << where;
      for (size_t k = 0; k < want.size(); ++k) {
        ASSERT_EQ(yTokenField(mode, text, sep, static_cast<int32_t>(k + 1)), want[k]) << where;
        ASSERT_EQ(array[k + 1], want[k]) << where;
      }
    }
  }
}

}  // namespace

#include "stdproc/text/delimited_field.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  std::u16string mode, text, start, end;
  int32_t n;
  std::u16string want;
};

void Check(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(stdproc::yDelimitedField(c.mode, c.text, c.start, c.end, c.n), c.want)
        << "mode " << testing::PrintToString(c.mode) << " text " << testing::PrintToString(c.text)
        << " n " << c.n;
  }
}

TEST(DelimitedField, CountsStartDelimitersWithoutOverlap) {
  Check({
      {u"#CNT", u"aaaa", u"aa", u"", 0, u"2"},
      {u"#CNT", u"aaaaa", u"aa", u"", 0, u"2"},
      {u"#CNT", u"a \"b\" c \"d\"", u"\"", u"\"", 0, u"4"},
      {u"#CNT", u"no delimiter here", u"<A", u"</A>", 0, u"0"},
      {u"#CNT", u"", u"<A", u"</A>", 0, u"0"},
      {u"#CNT", u"<A x</A>", u"", u"</A>", 0, u"0"},
      // The end delimiter plays no part in counting.
      {u"#CNT", u"<a>1<a>2", u"<a>", u"never", 0, u"2"},
  });
}

TEST(DelimitedField, FindsModeWordsAnywhereInAnyCase) {
  Check({
      {u"#cnt", u"x;x;x", u";", u"", 0, u"2"},
      {u"x#CNTx", u"x;x;x", u";", u"", 0, u"2"},
      {u"#get", u"(a)", u"(", u")", 1, u"a"},
      {u"#COUNT", u"x;x;x", u";", u"", 0, u""},
      {u"", u"(a)", u"(", u")", 1, u""},
  });
}

TEST(DelimitedField, FetchesFieldsBetweenQuotes) {
  const std::u16string text = u"a \"b\" c \"d\"";
  Check({
      {u"#GET", text, u"\"", u"\"", 1, u"b"},
      {u"#GET", text, u"\"", u"\"", 2, u" c "},
      {u"#GET", text, u"\"", u"\"", 3, u"d"},
      {u"#GET", text, u"\"", u"\"", 4, u""},
      {u"#GET", text, u"\"", u"\"", 5, u""},
  });
}

TEST(DelimitedField, LocatesFieldsByStartDelimitersAlone) {
  const std::u16string text = u"<A HREF=x><A HREF=y></A>";
  Check({
      {u"#GET", text, u"<A HREF=", u"</A>", 1, u"x><A HREF=y>"},
      {u"#GET", text, u"<A HREF=", u"</A>", 2, u"y>"},
      {u"#GET", text, u"<A HREF=", u"</A>", 0, u"x><A HREF=y>"},
      {u"#GET", text, u"<A HREF=", u"</A>", -7, u"x><A HREF=y>"},
      {u"#GET", u"(a)()", u"(", u")", 2, u""},
      {u"#GET", u"x\"", u"\"", u"\"", 1, u""},
      {u"#GET", u"(a", u"(", u")", 1, u""},
  });
}

TEST(DelimitedField, SearchesIgnoreCaseButFieldKeepsIt) {
  Check({
      {u"#GET", u"<A HREF=\"Seite.html\">Zur Seite</A>", u"<a href=", u"</a>", 1,
       u"\"Seite.html\">Zur Seite"},
      {u"#GET", u"xxÄbcäyy", u"ä", u"Ä", 1, u"bc"},
  });
}

TEST(DelimitedField, FetchedFieldReplacesTheCountOnlyWhenFound) {
  const std::u16string text = u"a \"b\" c \"d\"";
  Check({
      {u"#CNT#GET", text, u"\"", u"\"", 1, u"b"},
      {u"#CNT#GET", text, u"\"", u"\"", 9, u"4"},
  });
}

}  // namespace

// Which line of the content page names the picture.
#include <gtest/gtest.h>

#include <set>

#include "runtime/random.h"
#include "wallpaper/set_wallpaper_from_page.h"

namespace {

// Every line a page offers, each seen over many draws with a fixed seed, and nothing else.
TEST(PictureChoice, OnlyCrLfTerminatedLinesAreChosenVerbatim) {
  struct Case {
    std::u16string page;
    std::set<std::u16string> lines;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"a.jpg\r\nb.jpg\r\nnie.jpg", {u"a.jpg", u"b.jpg"}},
           {u"a.jpg\r\nb.jpg\r\n", {u"a.jpg", u"b.jpg"}},
           {u"a.jpg\r\n\r\nc.jpg\r\n", {u"a.jpg", u"", u"c.jpg"}},
           {u" mit leer zeichen.jpg \r\n", {u" mit leer zeichen.jpg "}},
           {u"<b>fett</b>&amp;\r\n", {u"<b>fett</b>&amp;"}},
           {u"a.jpg\nb.jpg\rc.jpg\r\n", {u"a.jpg\nb.jpg\rc.jpg"}},
           {u"nur eine Zeile", {u""}},
           {u"a.jpg\nb.jpg\n", {u""}},
           {u"", {u""}},
       }) {
    rt::RandomSeed(4711);
    std::set<std::u16string> seen;
    for (int i = 0; i < 300; ++i) {
      std::u16string line = pendrel::ChoosePicturePath(c.page);
      EXPECT_TRUE(c.lines.count(line)) << std::string(line.begin(), line.end());
      seen.insert(line);
    }
    EXPECT_EQ(seen, c.lines) << std::string(c.page.begin(), c.page.end());
  }
}

TEST(PictureChoice, TwoLinesAreChosenAboutEquallyOften) {
  rt::RandomSeed(20150310);
  int first = 0;
  constexpr int kDraws = 4000;
  for (int i = 0; i < kDraws; ++i) first += pendrel::ChoosePicturePath(u"a\r\nb\r\n") == u"a";
  EXPECT_GT(first, kDraws * 45 / 100);
  EXPECT_LT(first, kDraws * 55 / 100);
}

}  // namespace

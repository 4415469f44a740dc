#include "stdproc/text/small_helpers.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/recorded_messages.h"
#include "support/temp_dir.h"

namespace {

using stdproc::yAbs;
using stdproc::yMod;
using stdproc::yOverwriteAt;
using stdproc::yToBase36;
using stdproc::yWriteTextFile;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(ToBase36, WritesDigitsAndCapitalLetters) {
  struct Case {
    int32_t number;
    std::u16string want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {0, u"0"},
           {9, u"9"},
           {10, u"A"},
           {35, u"Z"},
           {36, u"10"},
           {1295, u"ZZ"},
           {46655, u"ZZZ"},
           {46656, u"1000"},
           {kMax, u"ZIK0ZJ"},
           // A negative multiple of 36 leaves a remainder of 0 and no message.
           {-36, u"0"},
           {-72, u"0"},
       }) {
    EXPECT_EQ(yToBase36(c.number), c.want) << c.number;
  }
}

TEST(ToBase36, NegativeRemainderShowsTheMessageAndGivesNothing) {
  testsupport::RecordedMessages boxes;
  for (const int32_t number : {-5, kMin}) {
    EXPECT_EQ(yToBase36(number), u"") << number;
    EXPECT_EQ(boxes.Take(), "test: Fehler 0709110747=Unzulässiger Select Default-Zweig !\n")
        << number;
  }
}

TEST(Mod, RemainderHasTheSignOfTheDividend) {
  EXPECT_EQ(yMod(7, 3), 1);
  EXPECT_EQ(yMod(-7, 3), -1);
  EXPECT_EQ(yMod(7, -3), 1);
  EXPECT_EQ(yMod(-7, -3), -1);
  EXPECT_EQ(yMod(kMin, 36), -20);
  EXPECT_EQ(yMod(kMin, -1), 0);
  EXPECT_EQ(yMod(5, 0), 0);
}

TEST(Abs, LeavesTheLowestValueUnchanged) {
  EXPECT_EQ(yAbs(-5), 5);
  EXPECT_EQ(yAbs(5), 5);
  EXPECT_EQ(yAbs(0), 0);
  EXPECT_EQ(yAbs(-kMax), kMax);
  EXPECT_EQ(yAbs(kMin), kMin);
}

TEST(OverwriteAt, WritesTheInsertionOverTheText) {
  struct Case {
    std::u16string text, insertion;
    int32_t position;
    std::u16string want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"abcdef", u"XY", 3, u"abXYef"},
           {u"abcdef", u"XY", 6, u"abcdeXY"},
           {u"abcdef", u"XY", 7, u"abcdef"},
           {u"abcdef", u"", 2, u"abcdef"},
           {u"abcdef", u"XY", 1, u"XYcdef"},
           {u"ab", u"WXYZ", 2, u"aWXYZ"},
           {u"", u"XY", 1, u""},
           // Positions below 1 count as 1.
           {u"abcdef", u"XY", 0, u"XYcdef"},
           {u"abcdef", u"XY", kMin, u"XYcdef"},
       }) {
    EXPECT_EQ(yOverwriteAt(c.text, c.insertion, c.position), c.want)
        << testing::PrintToString(c.text) << " " << c.position;
  }
}

TEST(WriteTextFile, WritesTheTextWithoutALineEnd) {
  testsupport::TempDir dir;
  const std::string file = dir / "out.txt";
  const std::u16string name(file.begin(), file.end());
  EXPECT_EQ(yWriteTextFile(name, u"Grüße\r\nx", 2), 10);
  EXPECT_EQ(testsupport::ReadFileBytes(file),
            "Gr\xC3\xBC\xC3\x9F"
            "e\r\nx");
  EXPECT_EQ(yWriteTextFile(name, u"Ab", 25), 4);
  EXPECT_EQ(testsupport::ReadFileBytes(file), std::string("A\0b\0", 4));
}

TEST(WriteTextFile, ReplacesAnExistingFile) {
  testsupport::TempDir dir;
  const std::string file = dir / "old.txt";
  testsupport::WriteFileBytes(file, "a much longer old content");
  const std::u16string name(file.begin(), file.end());
  EXPECT_EQ(yWriteTextFile(name, u"new", 2), 3);
  EXPECT_EQ(testsupport::ReadFileBytes(file), "new");
}

TEST(WriteTextFile, GivesZeroWhenTheFileCannotBeCreated) {
  testsupport::TempDir dir;
  const std::string file = dir / "missing/dir/out.txt";
  EXPECT_EQ(yWriteTextFile(std::u16string(file.begin(), file.end()), u"x", 2), 0);
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace

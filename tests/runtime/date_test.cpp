#include "runtime/date.h"

#include <gtest/gtest.h>

#include "support/environment.h"

using namespace rt;

TEST(DateMake, ValidatesEveryField) {
  EXPECT_EQ(DateMake(1970, 1, 1, 0, 0, 0), 0);
  EXPECT_EQ(DateMake(2038, 1, 19, 3, 14, 7), INT32_MAX);
  EXPECT_EQ(DateMake(2038, 1, 19, 3, 14, 8), -1);
  EXPECT_EQ(DateMake(1969, 12, 31, 23, 59, 59), -1);
  EXPECT_EQ(DateMake(2015, 4, 31, 0, 0, 0), -1);
  EXPECT_EQ(DateMake(2015, 2, 29, 0, 0, 0), -1);
  EXPECT_NE(DateMake(2016, 2, 29, 0, 0, 0), -1);
  EXPECT_NE(DateMake(2000, 2, 29, 0, 0, 0), -1);
  EXPECT_EQ(DateMake(2016, 2, 30, 0, 0, 0), -1);
  EXPECT_EQ(DateMake(2015, 13, 1, 0, 0, 0), -1);
  EXPECT_EQ(DateMake(2015, 1, 1, 24, 0, 0), -1);
  EXPECT_EQ(DateMake(2015, 1, 1, 0, 60, 0), -1);
  EXPECT_EQ(DateMake(2015, 1, 1, 0, 0, -1), -1);
}

TEST(DateFormat, TokensInAnyCaseAndStrayPercent) {
  int32_t date = DateMake(2015, 3, 5, 8, 7, 9);
  EXPECT_EQ(DateFormat(u"%yyyy-%mm-%dd-%hh:%ii:%ss", date), u"2015-03-05-08:07:09");
  EXPECT_EQ(DateFormat(u"%yyyy-%mm-%dd-%hh.%ii.%ss", date), u"2015-03-05-08.07.09");
  EXPECT_EQ(DateFormat(u"%YYYY/%x%dd", date), u"2015/%x05");
  EXPECT_EQ(DateFormat(u"%yy%MM%Dd %", date), u"150305 %");
  EXPECT_EQ(DateFormat(u"%yyyy%mm%dd %hh", -1), u"00000000 00");
  EXPECT_EQ(DateFormat(u"%yyyy-%mm-%dd", DateMake(2038, 1, 19, 3, 14, 7)), u"2038-01-19");
}

TEST(DateNow, IsTheLocalWallClock) {
  testsupport::SetEnvironment("TZ", "UTC");
  ::tzset();
  const int32_t before = static_cast<int32_t>(::time(nullptr));
  const int32_t now = DateNow();
  EXPECT_GE(now, before);
  EXPECT_LE(now, before + 2);
}

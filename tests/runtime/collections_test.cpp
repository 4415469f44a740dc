#include "runtime/collections.h"

#include <gtest/gtest.h>

#include "runtime/memory.h"
#include "runtime/params.h"
#include "runtime/text.h"

using namespace rt;

TEST(Tables, UpperBoundAndResize) {
  std::optional<std::vector<Text>> table;
  EXPECT_EQ(TableUpper(table), -1);
  TableCreate(table, 3);
  EXPECT_EQ(TableUpper(table), 2);
  (*table)[0] = u"keep";
  TableResize(*table, 5);
  EXPECT_EQ((*table)[0], u"keep");
  EXPECT_EQ((*table)[4], u"");
  TableCreate(table, 2);
  EXPECT_EQ((*table)[0], u"");
}

TEST(List, CursorInsertsBehindCurrentAndWalks) {
  List<Text> list;
  EXPECT_EQ(ListNext(list), nullptr);
  ListAdd(list) = u"a";
  ListAdd(list) = u"c";
  ListReset(list);
  ListAdd(list) = u"first";  // cursor before the first: insert at the front
  ListNext(list);            // now on "a"
  ListAdd(list) = u"b";
  EXPECT_EQ(ListSize(list), 4);
  ListReset(list);
  std::vector<Text> order;
  while (Text* item = ListNext(list)) order.push_back(*item);
  EXPECT_EQ(order, (std::vector<Text>{u"first", u"a", u"b", u"c"}));
  EXPECT_EQ(ListNext(list), nullptr);
  ListClear(list);
  EXPECT_EQ(ListSize(list), 0);
  EXPECT_EQ(ListNext(list), nullptr);
}

TEST(List, CopiesAreIndependentAndKeepTheCursorPosition) {
  List<int> a;
  ListAdd(a) = 1;
  ListAdd(a) = 3;
  ListReset(a);
  ListNext(a);  // on 1
  List<int> b = a;
  ListAdd(b) = 2;  // behind the copy's 1, not into a
  EXPECT_EQ(ListSize(a), 2);
  EXPECT_EQ(ListSize(b), 3);
  ListReset(b);
  std::vector<int> order;
  while (int* item = ListNext(b)) order.push_back(*item);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
  b = a;  // assignment too starts from a's cursor
  ListAdd(b) = 7;
  EXPECT_EQ(ListSize(a), 2);
  EXPECT_EQ(*b.Current(), 7);
}

TEST(Memory, PeekPokeAndText) {
  auto* block = static_cast<unsigned char*>(MemAlloc(16));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(MemPeekUByte(block + 3), 0);
  MemPokeByte(block, 0x1FF);
  EXPECT_EQ(MemPeekUByte(block), 0xFF);
  EXPECT_EQ(MemPeekByte(block), -1);
  EXPECT_EQ(MemPokeText(block, u"ab"), 4);
  EXPECT_EQ(block[0], 'a');
  EXPECT_EQ(block[2], 'b');
  EXPECT_EQ(block[4] | block[5], 0);
  MemFree(block);
}

TEST(ParamNext, SplitsAtSpacesAndQuotes) {
  ParamSetCommandLine(u"prog   one \"two words\" \"\" three\"x \"open end");
  std::vector<Text> got;
  for (int k = 0; k < 6; ++k) got.push_back(ParamNext());
  EXPECT_EQ(got, (std::vector<Text>{u"one", u"two words", u"", u"three\"x", u"open end", u""}));
  EXPECT_EQ(ParamNext(), u"");

  char arg0[] = "/bin/prog", arg1[] = "a b", arg2[] = "", arg3[] = "c";
  char* argv[] = {arg0, arg1, arg2, arg3};
  ParamInit(4, argv);
  EXPECT_EQ(ParamNext(), u"a b");
  EXPECT_EQ(ParamNext(), u"");
  EXPECT_EQ(ParamNext(), u"c");
}

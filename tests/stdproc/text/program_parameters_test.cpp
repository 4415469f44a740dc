#include "stdproc/text/program_parameters.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/params.h"

namespace {

using stdproc::s_ProgrammParameter;
using stdproc::s_ProgrammParameterTab;

std::vector<std::u16string> Entries(rt::List<rt::Text>& list) {
  std::vector<std::u16string> entries;
  rt::ListReset(list);
  for (rt::Text* entry = rt::ListNext(list); entry; entry = rt::ListNext(list)) {
    entries.push_back(*entry);
  }
  return entries;
}

std::vector<std::u16string> Switches(const std::u16string& parameters) {
  rt::List<rt::Text> list;
  s_ProgrammParameterTab(parameters, list);
  return Entries(list);
}

TEST(ProgrammParameter, CollectsParametersEachFollowedByASpace) {
  struct Case {
    std::u16string commandLine, want;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"prog /T:Install /D /S", u"/T:Install /D /S "},
           {u"prog", u""},
           {u"prog   a    b", u"a b "},
           {u"prog \"/T:My Setup\" /D", u"/T:My Setup /D "},
           // An empty parameter ends the collection.
           {u"prog a \"\" b", u"a "},
       }) {
    rt::ParamSetCommandLine(c.commandLine);
    EXPECT_EQ(s_ProgrammParameter(), c.want) << testing::PrintToString(c.commandLine);
  }
}

TEST(ProgrammParameterTab, CutsSwitchesAtEverySlash) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(Switches(u"/T:Install /D /S"), (V{u"T:Install", u"D:1", u"S:1"}));
  EXPECT_EQ(Switches(u"ignored /a//b"), (V{u"a:1", u":1", u"b:1"}));
  EXPECT_EQ(Switches(u"/E:C:\\Work\\In\\ "), (V{u"E:C:\\Work\\In\\"}));
  EXPECT_EQ(Switches(u"/P:a/b"), (V{u"P:a", u"b:1"}));
  EXPECT_EQ(Switches(u"  /T: x y  /"), (V{u"T: x y", u":1"}));
  EXPECT_EQ(Switches(u"no switches"), V{});
}

TEST(ProgrammParameterTab, ReadsTheCommandLineWhenGivenBlanks) {
  rt::ParamSetCommandLine(u"prog /X:1 \"/Y:a b\"");
  EXPECT_EQ(Switches(u"   "), (std::vector<std::u16string>{u"X:1", u"Y:a b"}));
  rt::ParamSetCommandLine(u"prog");
  EXPECT_TRUE(Switches(u"").empty());
}

TEST(ProgrammParameterTab, InsertsBehindTheCurrentEntryAndKeepsTheOthers) {
  rt::List<rt::Text> list;
  rt::ListAdd(list) = u"first";
  rt::ListAdd(list) = u"last";
  rt::ListReset(list);
  rt::ListNext(list);  // "first" is current
  s_ProgrammParameterTab(u"/a /b", list);
  EXPECT_EQ(Entries(list), (std::vector<std::u16string>{u"first", u"a:1", u"b:1", u"last"}));
}

}  // namespace

// The preference reader: groups, keys, encodings and files that are not what they seem.
#include "runtime/prefs.h"

#include <gtest/gtest.h>

#include <string>

#include "support/platform_expectations.h"
#include "support/temp_dir.h"

namespace {

using testsupport::TempDir;
using testsupport::WriteFileBytes;

class Prefs : public ::testing::Test {
 protected:
  void TearDown() override { rt::PrefClose(); }

  // Opens a preference file with that content.
  int32_t Open(const std::string& bytes) {
    WriteFileBytes(dir / "prefs.txt", bytes);
    return rt::PrefOpen(rt::FromUtf8(dir / "prefs.txt"));
  }
  rt::Text Read(rt::TextView group, rt::TextView key) {
    rt::PrefGroup(group);
    return rt::PrefReadText(key, u"<default>");
  }

  TempDir dir;
};

TEST_F(Prefs, GroupsAndKeysMatchInAnyAsciiCase) {
  EXPECT_NE(Open("top = level\r\n"
                 "[standard]\r\n"
                 "  user1 =  Test User  \r\n"
                 "\tUser2\t=\tSecond\t\r\n"
                 "user1 = shadowed\r\n"
                 "[Other]\n"
                 "user3=third\n"
                 "[STANDARD]\n"
                 "user4=in a repeated group\n"),
            0);
  struct Case {
    rt::Text group, key, value;
  };
  for (const Case& c : std::initializer_list<Case>{
           {u"Standard", u"USER1", u"Test User"},
           {u"STANDARD", u"user2", u"Second"},
           {u"standard", u"user3", u"<default>"},
           {u"other", u"USER3", u"third"},
           {u"Other", u"user1", u"<default>"},
           {u"", u"TOP", u"level"},
           {u"", u"user1", u"<default>"},
           {u"Missing", u"top", u"<default>"},
           {u"Standard", u"user4", u"<default>"},
       }) {
    EXPECT_EQ(Read(c.group, c.key), c.value) << rt::ToUtf8(c.group) << "/" << rt::ToUtf8(c.key);
  }
}

TEST_F(Prefs, KeysBeforeAnyGroupAreCurrentAfterOpening) {
  Open("key=value\n[g]\nkey=other\n");
  EXPECT_EQ(rt::PrefReadText(u"key", u"d"), u"value");
}

TEST_F(Prefs, CommentsHeadersAndLinesWithoutEqualsSign) {
  Open(
      "; comment = not a key\n"
      "[group\n"
      "lonely\n"
      "  ;indented = comment\n"
      "key =\n"
      "=nameless\n"
      "a=b=c\n"
      "[x]y\n"
      "in=x\n");
  EXPECT_EQ(Read(u"group", u"; comment"), u"<default>");
  EXPECT_EQ(Read(u"group", u"lonely"), u"<default>") << "a line without = is no key";
  EXPECT_EQ(Read(u"group", u";indented"), u"<default>");
  EXPECT_EQ(Read(u"group", u"key"), u"");
  EXPECT_EQ(Read(u"group", u""), u"nameless");
  EXPECT_EQ(Read(u"group", u"a"), u"b=c");
  EXPECT_EQ(Read(u"x", u"in"), u"x");
}

TEST_F(Prefs, EncodingsByByteOrderMark) {
  struct Case {
    std::string bytes;
    rt::Text value;
  };
  for (const Case& c : std::initializer_list<Case>{
           // UTF-8 without mark: on a code-page system each byte is a character of its own.
           {"[Standard]\r\nUSER1=J\xC3\xB6rg\r\n",
            testsupport::kAnsiIsCodePage ? u"J\u00C3\u00B6rg" : u"Jörg"},
           {"\xEF\xBB\xBF[Standard]\r\nUSER1=J\xC3\xB6rg\r\n", u"Jörg"},  // UTF-8 with mark
           {"[Standard]\r\nUSER1=J\xF6rg \x80\r\n", u"Jörg €"},           // Windows-1252
       }) {
    Open(c.bytes);
    EXPECT_EQ(Read(u"Standard", u"user1"), c.value) << c.bytes;
  }
}

TEST_F(Prefs, StrangeFilesReadWithoutHarm) {
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("[Standard]\r\nUSER1=x\r\n")) utf16 += std::string{c, '\0'};
  std::string junk;
  for (int i = 0; i < 100000; ++i) junk.push_back(static_cast<char>((i * 131 + 7) % 256));
  const std::string longValue(3'000'000, 'v');
  struct Case {
    std::string name, bytes;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"utf-16 with its mark", utf16},
           {"binary junk", junk},
           {"empty", ""},
           {"only line ends", "\r\n\n\r"},
       }) {
    Open(c.bytes);
    EXPECT_EQ(Read(u"Standard", u"user1"), u"<default>") << c.name;
  }
  Open("[Standard]\nlong=" + longValue + "\nafter=1\n");
  EXPECT_EQ(Read(u"Standard", u"long").size(), longValue.size());
  EXPECT_EQ(Read(u"Standard", u"after"), u"1");
}

TEST_F(Prefs, MissingOrClosedFilesGiveTheDefault) {
  EXPECT_EQ(rt::PrefOpen(rt::FromUtf8(dir / "missing.txt")), 0);
  EXPECT_EQ(Read(u"Standard", u"user1"), u"<default>");
  Open("[Standard]\nuser1=x\n");
  rt::PrefClose();
  EXPECT_EQ(Read(u"Standard", u"user1"), u"<default>");
  // Opening another file forgets the first.
  Open("[Standard]\nuser1=x\n");
  EXPECT_EQ(rt::PrefOpen(rt::FromUtf8(dir / "missing.txt")), 0);
  EXPECT_EQ(Read(u"Standard", u"user1"), u"<default>");
}

}  // namespace

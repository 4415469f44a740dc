#include "runtime/text.h"

#include <gtest/gtest.h>

#include "support/platform_expectations.h"

using namespace rt;

TEST(TextFind, BoundsOfStartAndEmptyInputs) {
  EXPECT_EQ(TextFind(u"abc", u"b", 3), 0);
  EXPECT_EQ(TextFind(u"abc", u"b", 0), 2);
  EXPECT_EQ(TextFind(u"abc", u"b", -5), 2);
  EXPECT_EQ(TextFind(u"abc", u"c", 3), 3);
  EXPECT_EQ(TextFind(u"abc", u"c", 4), 0);
  EXPECT_EQ(TextFind(u"", u"b", 1), 0);
  EXPECT_EQ(TextFind(u"abc", u"", 1), 0);
  EXPECT_EQ(TextFind(u"abcB", u"B", 1), 4);  // case-sensitive
}

TEST(TextCountAndReplace, NoOverlapAndNoRescan) {
  EXPECT_EQ(TextCount(u"aaaa", u"aa"), 2);
  EXPECT_EQ(TextCount(u"aaaa", u""), 0);
  EXPECT_EQ(TextCount(u"a\r\nb\r\n", u"\r\n"), 2);
  EXPECT_EQ(TextReplace(u"aaaa", u"aa", u"a"), u"aa");
  EXPECT_EQ(TextReplace(u"abab", u"a", u"aa"), u"aabaab");
  EXPECT_EQ(TextReplace(u"abc", u"", u"x"), u"abc");
}

TEST(TextField, FieldsAtOneAndManyCharacterDelimiters) {
  EXPECT_EQ(TextField(u"a;;c", 1, u";"), u"a");
  EXPECT_EQ(TextField(u"a;;c", 2, u";"), u"");
  EXPECT_EQ(TextField(u"a;;c", 3, u";"), u"c");
  EXPECT_EQ(TextField(u"a;;c", 0, u";"), u"");
  EXPECT_EQ(TextField(u"a;;c", 4, u";"), u"");
  EXPECT_EQ(TextField(u"a, b", 1, u", "), u"a");
  EXPECT_EQ(TextField(u"a, b", 2, u", "), u"b");
  EXPECT_EQ(TextField(u"a,b", 1, u""), u"a,b");
  EXPECT_EQ(TextField(u"a,b", 2, u""), u"");
  EXPECT_EQ(TextField(u"x\r\ny\r\nz", 3, u"\r\n"), u"z");
}

TEST(TextCutting, MidLeftRightClampTheirBounds) {
  EXPECT_EQ(TextMid(u"abcdef", 0, 2), u"ab");
  EXPECT_EQ(TextMid(u"abcdef", 3), u"cdef");
  EXPECT_EQ(TextMid(u"abcdef", 7), u"");
  EXPECT_EQ(TextMid(u"abcdef", 5, 10), u"ef");
  EXPECT_EQ(TextMid(u"abcdef", 2, -1), u"");
  EXPECT_EQ(TextLeft(u"abc", -1), u"");
  EXPECT_EQ(TextLeft(u"abc", 9), u"abc");
  EXPECT_EQ(TextRight(u"abc", 2), u"bc");
  EXPECT_EQ(TextRight(u"abc", 9), u"abc");
  EXPECT_EQ(TextRight(u"abc", -2), u"");
}

TEST(TextTrimAndPad, OnlySpacesTrimmedAndPaddingIsExact) {
  EXPECT_EQ(TextTrim(u"\t a \t "), u"\t a \t");
  EXPECT_EQ(TextLTrim(u"  a  "), u"a  ");
  EXPECT_EQ(TextRTrim(u"  a  "), u"  a");
  EXPECT_EQ(TextTrim(u"    "), u"");
  Text padded = TextPadRight(u"--- Start ", 165, u"-");
  EXPECT_EQ(padded.size(), 165u);
  EXPECT_EQ(padded, u"--- Start " + Text(155, u'-'));
  EXPECT_EQ(TextPadRight(u"abcdef", 3), u"abc");
  EXPECT_EQ(TextPadRight(u"ab", 4), u"ab  ");
  EXPECT_EQ(TextPadRight(u"ab", -4), u"");
  EXPECT_EQ(TextPadLeft(u"abcdef", 3), u"abc");
  EXPECT_EQ(TextPadLeft(u"ab", 4), u"  ab");
  EXPECT_EQ(TextSpaces(3), u"   ");
  EXPECT_EQ(TextSpaces(-3), u"");
}

TEST(TextCase, MapsLatinOneLettersLikeWindows) {
  EXPECT_EQ(TextUpper(u"straße äöü ÿ é"), u"STRAßE ÄÖÜ Ÿ É");
  EXPECT_EQ(TextLower(u"ÄÖÜ ÀÉ ABC"), u"äöü àé abc");
  EXPECT_EQ(TextUpper(u"ωmega"), u"ΩMEGA");
}

TEST(TextZeroUnit, TextEndsAtItsFirstZero) {
  Text withZero = Text(u"ab") + char16_t(0) + u"cd";
  EXPECT_EQ(TextLength(withZero), 2);
  EXPECT_EQ(TextFind(withZero, u"c"), 0);
  EXPECT_EQ(TextUpper(withZero), u"AB");
  EXPECT_EQ(TextChar(65), u"A");
  EXPECT_EQ(TextCode(u"Ä"), 0xC4);
  EXPECT_EQ(TextCode(u""), 0);
}

TEST(TextEncoding, Utf8AndTheAnsiFallback) {
  EXPECT_EQ(ToUtf8(u"Grüße"),
            "Gr\xC3\xBC\xC3\x9F"
            "e");
  EXPECT_EQ(FromUtf8("J\xC3\xB6rg"), u"Jörg");
  // Valid UTF-8 decodes as UTF-8; stray bytes as Windows-1252.
  EXPECT_EQ(FromUtf8OrWindows1252("J\xC3\xB6rg"), u"Jörg");
  EXPECT_EQ(FromUtf8OrWindows1252("J\xF6rg \x80"), u"Jörg €");
  // ANSI is the system's code page: 1252 on the Windows machines here, UTF-8 on Linux.
  EXPECT_EQ(FromAnsi("J\xC3\xB6rg"), testsupport::kAnsiIsCodePage ? u"J\u00C3\u00B6rg" : u"Jörg");
  EXPECT_EQ(FromAnsi("J\xF6rg \x80"), u"Jörg €");
  EXPECT_EQ(ToAnsi(u"Jörg €"),
            testsupport::kAnsiIsCodePage ? "J\xF6rg \x80" : "J\xC3\xB6rg \xE2\x82\xAC");
  EXPECT_EQ(FromLatin1("\xE4\x80"), u"\u00E4\u0080");
  EXPECT_EQ(ToWindows1252(u"ä€\u4E2D"), "\xE4\x80?");
  const Text astral = u"\U0001F600";
  EXPECT_EQ(FromUtf8(ToUtf8(astral)), astral);
  EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong form is refused
}

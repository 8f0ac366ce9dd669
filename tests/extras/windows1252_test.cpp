// Windows-1252 at the hall-of-fame file boundary, and the cleaning of typed names.
#include "extras/windows1252.h"

#include <gtest/gtest.h>

namespace tessarix {
namespace {

struct Conversion {
  const char* utf8;
  const char* bytes;
};

TEST(Windows1252, ConvertsBothWays) {
  const Conversion cases[] = {
      {"Jürgen Größe",
       "J\xFCrgen Gr\xF6\xDF"
       "e"},
      {"ÄÖÜäöüß", "\xC4\xD6\xDC\xE4\xF6\xFC\xDF"},
      {"5 € „Zitat“ – …", "5 \x80 \x84Zitat\x93 \x96 \x85"},
      {"Œuvre Šťastný", "\x8Cuvre \x8A?astn\xFD"},
      {"", ""},
  };
  for (const Conversion& c : cases) {
    EXPECT_EQ(utf8ToWindows1252(c.utf8), c.bytes) << c.utf8;
  }
  EXPECT_EQ(windows1252ToUtf8("J\xFCrgen Gr\xF6\xDF"
                              "e"),
            "Jürgen Größe");
  EXPECT_EQ(windows1252ToUtf8("\x80\x84\x93\x96\x85\x9F\xFF"), "€„“–…Ÿÿ");
}

TEST(Windows1252, EveryByteComesBackUnchanged) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252, WhatItCannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(utf8ToWindows1252("Łukasz"), "?ukasz");
  EXPECT_EQ(utf8ToWindows1252("日本"), "??");
  EXPECT_EQ(utf8ToWindows1252("a😀b"), "a?b");
  // Malformed UTF-8: a stray continuation byte, a cut sequence, an overlong slash, a surrogate.
  EXPECT_EQ(utf8ToWindows1252("a\x80"
                              "b"),
            "a?b");
  EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");
  EXPECT_EQ(utf8ToWindows1252("\xC0\xAF"), "??");
  EXPECT_EQ(utf8ToWindows1252("\xED\xA0\x80"), "???");
}

TEST(Windows1252, ControlCharactersOfANameBecomeBlanks) {
  EXPECT_EQ(blankControlCharacters("Anna\r\nBerta"), "Anna  Berta");
  EXPECT_EQ(blankControlCharacters("Tab\there"), "Tab here");
  EXPECT_EQ(blankControlCharacters("a\x7F"
                                   "b\xC2\x85"
                                   "c\xE2\x80\xA8"
                                   "d"),
            "a b c d");
  EXPECT_EQ(blankControlCharacters("Jürgen  €"), "Jürgen  €");
  EXPECT_EQ(blankControlCharacters("bad\xFF"), "bad?");
}

}  // namespace
}  // namespace tessarix

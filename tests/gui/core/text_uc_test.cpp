// Character encodings: UTF-8 decoding of good and bad input, encoding, and UTF-16 conversion.
#include <gtest/gtest.h>

#include "GUI.h"

#include <cstring>
#include <string>

namespace {

TEST(TextUC, DecodesGermanAndCzechLetters) {
  const char* s = "Příliš žluťoučký kůň úpěl ďábelské ódy – Grüße";
  std::u16string Expected = u"Příliš žluťoučký kůň úpěl ďábelské ódy – Grüße";
  EXPECT_EQ(GUI__GetNumChars(s), static_cast<int>(Expected.size()));
  const char* p = s;
  for (char16_t c : Expected) EXPECT_EQ(GUI_UC__ReadCharCode(&p), c);
  EXPECT_EQ(*p, 0);
}

TEST(TextUC, EncodesEveryCodeAndReadsItBack) {
  for (U32 c = 1; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    char ac[4] = {};
    int n = GUI_UC_Encode(ac, static_cast<U16>(c));
    ASSERT_EQ(n, GUI_UC_GetCodeSize(static_cast<U16>(c)));
    ASSERT_EQ(GUI_UC_GetCharSize(ac), n) << c;
    ASSERT_EQ(GUI_UC_GetCharCode(ac), c);
  }
}

TEST(TextUC, MalformedBytesReadAsSingleCharactersAndStopAtTheEnd) {
  const char Truncated[] = "\xC3";          // lead byte, then the terminator
  EXPECT_EQ(GUI_UC_GetCharSize(Truncated), 1);
  EXPECT_EQ(GUI_UC_GetCharCode(Truncated), 0xC3);
  const char Truncated3[] = "\xE2\x82";     // three-byte lead cut short
  EXPECT_EQ(GUI_UC_GetCharSize(Truncated3), 1);
  const char Overlong[] = "\xC0\x80";
  EXPECT_EQ(GUI_UC_GetCharSize(Overlong), 1);
  const char Stray[] = "\x80z";
  EXPECT_EQ(GUI__GetNumChars(Stray), 2);
  const char Emoji[] = "\xF0\x9F\x98\x80!";
  EXPECT_EQ(GUI_UC_GetCharSize(Emoji), 4);
  EXPECT_EQ(GUI_UC_GetCharCode(Emoji), 0xFFFD);
  EXPECT_EQ(GUI__GetNumChars(Emoji), 2);
  const char* p = Truncated;
  GUI_UC__ReadCharCode(&p);
  EXPECT_EQ(GUI_UC__ReadCharCode(&p), 0);
  EXPECT_EQ(p, Truncated + 1) << "never reads past the terminator";
}

TEST(TextUC, CountsBytesAndCharacters) {
  const char* s = "a€b";
  EXPECT_EQ(GUI_UC__CountBytes(s, 2), 4);
  EXPECT_EQ(GUI_UC__CountBytes(s, 10), 5);
  EXPECT_EQ(GUI_UC__CountChars(s, 4), 2);
}

TEST(TextUC, ConvertsUTF16WithinTheBuffer) {
  const char16_t* u = u"°C €";
  char ac[16];
  EXPECT_EQ(GUI_UC_ConvertUC2UTF8(u, 4, ac, sizeof(ac)), 7);
  EXPECT_STREQ(ac, "°C €");
  char Small[6];
  EXPECT_EQ(GUI_UC_ConvertUC2UTF8(u, 4, Small, sizeof(Small)), 4) << "no half characters";
  EXPECT_STREQ(Small, "°C ");
  const char16_t Pair[] = {u'x', 0xD83D, 0xDE00, u'y', 0};
  EXPECT_EQ(GUI_UC_ConvertUC2UTF8(Pair, 4, ac, sizeof(ac)), 5);
  EXPECT_STREQ(ac, "x\xEF\xBF\xBDy");
  char16_t Back[8];
  EXPECT_EQ(GUI_UC_ConvertUTF82UC("Žár", 10, Back, 8), 3);
  EXPECT_EQ(std::u16string(Back), u"Žár");
  EXPECT_EQ(GUI_UC_ConvertUTF82UC("Žár", 10, Back, 2), 1);
  EXPECT_EQ(std::u16string(Back), u"Ž");
}

TEST(TextUC, SingleByteEncoding) {
  GUI_UC_SetEncodeNone();
  const char s[] = "\xC4\xD6";
  EXPECT_EQ(GUI__GetNumChars(s), 2);
  EXPECT_EQ(GUI_UC_GetCharCode(s), 0xC4);
  char ac[2];
  EXPECT_EQ(GUI_UC_Encode(ac, 0x20AC), 1);
  EXPECT_EQ(ac[0], '?');
  GUI_UC_SetEncodeUTF8();
  EXPECT_EQ(GUI__GetNumChars(s), 2);
  EXPECT_EQ(GUI__GetNumChars("\xC3\x84"), 1);
}

} // namespace

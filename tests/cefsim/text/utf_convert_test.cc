#include "text/utf_convert.h"

#include <string>

#include "gtest/gtest.h"

namespace cefsim::text {
namespace {

struct Utf8Case {
  const char* name;
  std::string input;
  std::u16string expected;
  bool valid;
};

// Ill-formed sequences: one U+FFFD per maximal subpart (Unicode 3.9, as ICU's
// U8_NEXT and so Chromium decode).
TEST(UtfConvertTest, Utf8ToUtf16) {
  const Utf8Case cases[] = {
      {"ascii", "abc", u"abc", true},
      {"two byte", "\xC2\xA2", u"\u00A2", true},
      {"three byte", "\xE4\xBD\xA0\xE5\xA5\xBD", u"\u4F60\u597D", true},
      {"four byte", "\xF0\x90\x8C\x80", u"\U00010300", true},
      {"max code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF", true},
      {"noncharacter kept", "\xEF\xBF\xBE", u"\uFFFE", true},
      {"embedded nul", std::string("a\0b", 3), std::u16string(u"a\0b", 3),
       true},
      {"overlong four byte", "\xF0\x84\xBD\xA0\xE5\xA5\xBD",
       u"\uFFFD\uFFFD\uFFFD\uFFFD\u597D", false},
      {"overlong two byte", "\xC0\x80", u"\uFFFD\uFFFD", false},
      {"truncated three byte", "\xE4\xA0\xE5\xA5\xBD", u"\uFFFD\u597D", false},
      {"truncated at end", "\xE4\xBD\xA0\xE5\xA5", u"\u4F60\uFFFD", false},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", false},
      {"encoded surrogate pair", "\xED\xA0\x80\xED\xB0\x80",
       u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD", false},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD",
       false},
      {"invalid lead", "\xF8\x88\x80\x80\x80",
       u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD", false},
      {"lone continuation", "a\x80z", u"a\uFFFDz", false},
      {"four byte missing last",
       "\xF0\x90\x8C"
       "a",
       u"\uFFFD"
       u"a",
       false},
  };
  for (const Utf8Case& c : cases) {
    std::u16string out;
    EXPECT_EQ(c.valid, Utf8ToUtf16(c.input, &out)) << c.name;
    EXPECT_EQ(c.expected, out) << c.name;
  }
}

struct Utf16Case {
  const char* name;
  std::u16string input;
  std::string expected;
  bool valid;
};

TEST(UtfConvertTest, Utf16ToUtf8) {
  const Utf16Case cases[] = {
      {"ascii", u"abc", "abc", true},
      {"bmp", u"\u4F60\u597D", "\xE4\xBD\xA0\xE5\xA5\xBD", true},
      {"pair", u"\U00010300", "\xF0\x90\x8C\x80", true},
      {"lone high", std::u16string(1, 0xD800) + u"\u597D",
       "\xEF\xBF\xBD\xE5\xA5\xBD", false},
      {"lone low", std::u16string(1, 0xDC00), "\xEF\xBF\xBD", false},
      {"high at end", u"a" + std::u16string(1, 0xD800), "a\xEF\xBF\xBD", false},
      {"reversed pair", std::u16string(1, 0xDC00) + std::u16string(1, 0xD800),
       "\xEF\xBF\xBD\xEF\xBF\xBD", false},
  };
  for (const Utf16Case& c : cases) {
    std::string out;
    EXPECT_EQ(c.valid, Utf16ToUtf8(c.input, &out)) << c.name;
    EXPECT_EQ(c.expected, out) << c.name;
  }
}

TEST(UtfConvertTest, WideIsUtf16OnWindows) {
  ASSERT_EQ(2u, sizeof(wchar_t));
  // Wide and UTF-16 share an encoding: copied as they are, even lone
  // surrogates, and reported fine.
  const std::wstring lone(1, static_cast<wchar_t>(0xD800));
  std::u16string utf16;
  EXPECT_TRUE(WideToUtf16(lone, &utf16));
  EXPECT_EQ(std::u16string(1, 0xD800), utf16);
  std::wstring wide;
  EXPECT_TRUE(Utf16ToWide(utf16, &wide));
  EXPECT_EQ(lone, wide);

  // Towards UTF-8 they are checked.
  std::string utf8;
  EXPECT_FALSE(WideToUtf8(lone, &utf8));
  EXPECT_EQ("\xEF\xBF\xBD", utf8);
  EXPECT_TRUE(Utf8ToWide("\xF0\x90\x8C\x80", &wide));
  EXPECT_EQ(L"\xD800\xDF00", wide);
  EXPECT_FALSE(Utf8ToWide("\xC3", &wide));
  EXPECT_EQ(L"\xFFFD", wide);
}

TEST(UtfConvertTest, AsciiWidening) {
  EXPECT_EQ(u"Az09", AsciiToUtf16("Az09"));
  EXPECT_EQ(L"Az09", AsciiToWide("Az09"));
}

}  // namespace
}  // namespace cefsim::text

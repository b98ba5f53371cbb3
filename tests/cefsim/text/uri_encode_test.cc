#include "text/uri_encode.h"

#include <string>

#include "gtest/gtest.h"

namespace cefsim::text {
namespace {

TEST(UriEncodeTest, QueryParamValue) {
  struct {
    const char* name;
    std::u16string in;
    bool use_plus;
    std::u16string out;
  } cases[] = {
      {"unreserved kept", u"AZaz09!'()*-._~", false, u"AZaz09!'()*-._~"},
      {"reserved escaped", u"\"#$%&+,/:;<=>?@[\\]^`{|}", false,
       u"%22%23%24%25%26%2B%2C%2F%3A%3B%3C%3D%3E%3F%40%5B%5C%5D%5E%60%7B%7C"
       u"%7D"},
      {"space as %20", u"a b", false, u"a%20b"},
      {"space as plus", u"a b", true, u"a+b"},
      {"plus escaped", u"a+b", true, u"a%2Bb"},
      {"controls", u"\t\n\x7F", false, u"%09%0A%7F"},
      {"utf-8 upper hex", u"\u00E9\u4F60", false, u"%C3%A9%E4%BD%A0"},
      {"astral", u"\U0001F600", false, u"%F0%9F%98%80"},
      {"lone surrogate", std::u16string(1, 0xD800), false, u"%EF%BF%BD"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.out, UriEncode(c.in, c.use_plus)) << c.name;
}

TEST(UriEncodeTest, UnescapeRules) {
  constexpr int kNormal = kUnescapeNormal;
  struct {
    const char* name;
    const char* in;
    int rules;
    const char* out;
  } cases[] = {
      {"none keeps all", "%41+%20", kUnescapeNone, "%41+%20"},
      {"unreserved", "%41%7a%2D%5F%7E%22%3C%3E", kNormal, "Az-_~\"<>"},
      {"reserved stay", "%21%23%24%25%26%27%28%29%2A%2B%2C%2E%3A%3B%3D%3F%40",
       kNormal, "%21%23%24%25%26%27%28%29%2A%2B%2C%2E%3A%3B%3D%3F%40"},
      {"brackets stay", "%5B%5D%5E%60%7B%7C%7D", kNormal,
       "%5B%5D%5E%60%7B%7C%7D"},
      {"space needs rule", "a%20b", kNormal, "a%20b"},
      {"spaces", "a%20b", kUnescapeSpaces, "a b"},
      {"slashes need rule", "%2F%5C",
       kUnescapeUrlSpecialCharsExceptPathSeparators, "%2F%5C"},
      {"path separators", "%2F%5C", kUnescapePathSeparators, "/\\"},
      {"special chars", "%21%23%3F%26%3D%2B%25",
       kUnescapeUrlSpecialCharsExceptPathSeparators, "!#?&=+%"},
      {"controls never", "%00%09%1F",
       kUnescapeUrlSpecialCharsExceptPathSeparators | kUnescapeSpaces,
       "%00%09%1F"},
      {"plus needs rule", "a+b", kNormal, "a+b"},
      {"plus to space", "a+b%2B", kUnescapeReplacePlusWithSpace, "a b%2B"},
      {"utf-8 character", "%C3%A9", kNormal, "\xC3\xA9"},
      {"bidi override kept", "%E2%80%AE", kNormal, "%E2%80%AE"},
      {"no-break space kept", "%C2%A0", kNormal, "%C2%A0"},
      {"lock emoji kept", "%F0%9F%94%92", kNormal, "%F0%9F%94%92"},
      {"stray byte unescaped", "%FF%41", kNormal,
       "\xFF"
       "A"},
      {"truncated escape", "%4", kNormal, "%4"},
      {"bad hex", "%G1", kNormal, "%G1"},
      {"mixed case hex", "%c3%A9", kNormal, "\xC3\xA9"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.out, UnescapeUrlComponent(c.in, c.rules)) << c.name;
}

// A data: URL's body: every escape becomes its byte, also those the rules
// above keep; what is not a whole escape stays as written.
TEST(UriEncodeTest, BinaryUnescapeTakesEveryByte) {
  EXPECT_EQ(std::string("\0/\xE2\x80\xAE\xFF <", 8),
            UnescapeBinaryUrlComponent("%00%2F%E2%80%AE%ff%20%3C"));
  EXPECT_EQ("a+b%G1%4", UnescapeBinaryUrlComponent("a+b%G1%4"));
  EXPECT_EQ("%", UnescapeBinaryUrlComponent("%25"));
}

TEST(UriEncodeTest, DecodeToUtf16) {
  EXPECT_EQ(u"\u00E9 x",
            UriDecode(u"%C3%A9%20x", true, kUnescapeNormal | kUnescapeSpaces));
  // Not UTF-8 once unescaped: the escaped text comes back as it was.
  EXPECT_EQ(u"%FFa%20",
            UriDecode(u"%FFa%20", true, kUnescapeNormal | kUnescapeSpaces));
  // Without conversion the bytes are read as UTF-8 all the same, with
  // U+FFFD for the stray byte.
  EXPECT_EQ(u"\uFFFDa ",
            UriDecode(u"%FFa%20", false, kUnescapeNormal | kUnescapeSpaces));
  EXPECT_EQ(UriEncode(u"a b&c\u00E9", false), u"a%20b%26c%C3%A9");
  EXPECT_EQ(u"a b&c\u00E9",
            UriDecode(u"a%20b%26c%C3%A9", true,
                      kUnescapeNormal | kUnescapeSpaces |
                          kUnescapeUrlSpecialCharsExceptPathSeparators));
}

}  // namespace
}  // namespace cefsim::text

// Reading the host's route push, window.__push("<route>");, as the page's
// script engine reads it: the JSON string decoded, anything else refused.
#include <string>

#include "gtest/gtest.h"
#include "scenario/scenario_route_push.h"
#include "text/json_string_escape.h"

namespace cefsim {
namespace browser {
namespace {

TEST(RoutePushTest, DecodesJsonStringLiterals) {
  struct Case {
    const char* literal;
    std::string decoded;
  };
  const Case cases[] = {
      {R"("")", ""},
      {R"("/orders")", "/orders"},
      {R"("a\"b\\c\/d")", "a\"b\\c/d"},
      {R"("\b\f\n\r\t")", "\b\f\n\r\t"},
      {R"("\u0041\u003C\u003c")", "A<<"},
      {R"("\u00e9\u20AC")", "\xC3\xA9\xE2\x82\xAC"},
      {"\"\xC3\xA9 raw\"", "\xC3\xA9 raw"},
      {R"("\ud83d\ude00")", "\xF0\x9F\x98\x80"},
      {R"("\ud83dx")", "\xEF\xBF\xBDx"},  // Lone high surrogate.
      {R"("\ude00")", "\xEF\xBF\xBD"},    // Lone low surrogate.
      {R"("\ud800\u0041")",
       "\xEF\xBF\xBD"
       "A"},  // High, then no low.
      {R"("\u2028")", "\xE2\x80\xA8"},
  };
  for (const Case& c : cases) {
    std::string decoded;
    size_t length = 0;
    const std::string literal = c.literal;
    ASSERT_TRUE(DecodeJsonStringLiteral(literal + ")", &decoded, &length))
        << c.literal;
    EXPECT_EQ(c.decoded, decoded) << c.literal;
    EXPECT_EQ(literal.size(), length) << c.literal;
  }
}

TEST(RoutePushTest, RefusesMalformedLiterals) {
  const char* const cases[] = {
      "",         "/orders\"", "\"unterminated", "\"a\\\"",
      "\"a\nb\"", "\"\\x41\"", "\"\\u12\"",      "\"\\u12G4\"",
      "\"\\'a\"", "\"\\",      "'single'",
  };
  for (const char* literal : cases) {
    std::string decoded = "untouched";
    size_t length = 0;
    EXPECT_FALSE(DecodeJsonStringLiteral(literal, &decoded, &length))
        << literal;
  }
}

TEST(RoutePushTest, RecognisesThePushCall) {
  struct Case {
    const char* code;
    const char* route;
  };
  const Case cases[] = {
      {R"(window.__push("/orders");)", "/orders"},
      {R"(window.__push("/orders"))", "/orders"},
      {" \twindow.__push ( \"/a\" ) ;\n", "/a"},
      {R"(window.__push("a\");b");)", "a\");b"},
      {R"(window.__push("");)", ""},
  };
  for (const Case& c : cases) {
    std::string route;
    ASSERT_TRUE(ParseRoutePush(c.code, &route)) << c.code;
    EXPECT_EQ(c.route, route) << c.code;
  }
}

TEST(RoutePushTest, IgnoresOtherScripts) {
  const char* const cases[] = {
      "document.body.style.background = '#eef';",
      R"(window.__pull("/a");)",
      R"(__push("/a");)",
      R"(window.__push('/a');)",
      R"(window.__push(42);)",
      R"(window.__push("/a", "/b");)",
      R"(window.__push("/a");;)",
      R"(window.__push("/a"); alert(1);)",
      R"js(window.__push("/a")";)js",
      R"(window.__push("/a";)",
      R"(window.__push "/a";)",
      "window.__push",
  };
  for (const char* code : cases) {
    std::string route = "untouched";
    EXPECT_FALSE(ParseRoutePush(code, &route)) << code;
    EXPECT_EQ("untouched", route) << code;
  }
}  // namespace

// Whatever route a host has, the push the kit writes with CEF's JSON writer
// reads back as that route.
TEST(RoutePushTest, ReadsBackWhatTheJsonWriterWrote) {
  const std::string routes[] = {
      "/home",
      "",
      "/orders?id=7&x=\"q\"",
      "C:\\path\\file",
      "<script>\xE2\x80\xA8\xE2\x80\xA9</script>",
      std::string("ctl\x01\x1f\x7f\n\t", 8),
      "/caf\xC3\xA9/\xF0\x9F\x98\x80",
  };
  for (const std::string& route : routes) {
    const std::string code =
        "window.__push(" + text::GetQuotedJsonString(route) + ");";
    std::string read;
    ASSERT_TRUE(ParseRoutePush(code, &read)) << code;
    EXPECT_EQ(route, read) << code;
  }
}

}  // namespace
}  // namespace browser
}  // namespace cefsim

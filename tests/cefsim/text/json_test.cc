#include <string>

#include "gtest/gtest.h"
#include "text/json_string_escape.h"
#include "text/json_value.h"
#include "text/json_writer.h"
#include "text/number_to_string.h"

namespace cefsim::text {
namespace {

TEST(JsonTest, EscapeString) {
  struct {
    const char* name;
    std::u16string in;
    const char* out;
    bool well_formed;
  } cases[] = {
      {"plain", u"abc", "\"abc\"", true},
      {"short escapes", u"\b\f\n\r\t\\\"", "\"\\b\\f\\n\\r\\t\\\\\\\"\"", true},
      {"controls upper hex", u"\x01\x1F", "\"\\u0001\\u001F\"", true},
      {"nul", std::u16string(1, 0), "\"\\u0000\"", true},
      {"less than", u"</script>", "\"\\u003C/script>\"", true},
      {"delete and slash raw", u"\x7F/", "\"\x7F/\"", true},
      {"separators", u"\u2028\u2029", "\"\\u2028\\u2029\"", true},
      {"utf-8 raw", u"\u00E9\U0001F600", "\"\xC3\xA9\xF0\x9F\x98\x80\"", true},
      {"lone surrogate", u"a" + std::u16string(1, 0xDC00), "\"a\xEF\xBF\xBD\"",
       false},
  };
  for (const auto& c : cases) {
    std::string out;
    EXPECT_EQ(c.well_formed, EscapeJsonString(c.in, true, &out)) << c.name;
    EXPECT_EQ(c.out, out) << c.name;
  }
  std::string unquoted;
  EscapeJsonString(std::string_view("a\"b"), false, &unquoted);
  EXPECT_EQ("a\\\"b", unquoted);
}

TEST(JsonTest, ShortestDoubles) {
  struct {
    double in;
    const char* out;
  } cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {1.0, "1"},
      {-1.5, "-1.5"},
      {0.1, "0.1"},
      {1e21, "1e+21"},
      {1e20, "100000000000000000000"},
      {123e-20, "1.23e-18"},
      {1e-6, "0.000001"},
      {1e-7, "1e-7"},
      {0.30000000000000004, "0.30000000000000004"},
      {1.7976931348623157e308, "1.7976931348623157e+308"},
      {5e-324, "5e-324"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.out, DoubleToShortestString(c.in)) << c.out;
}

JsonValue SampleTree() {
  JsonValue::Dict dict;
  dict["b"] = JsonValue(true);
  dict["a"] = JsonValue(JsonValue::List{JsonValue(1), JsonValue(2.0),
                                        JsonValue(), JsonValue("x")});
  dict["c"] = JsonValue(JsonValue::Dict{{"k", JsonValue(-0.5)}});
  return JsonValue(std::move(dict));
}

TEST(JsonTest, WriteCompact) {
  std::string json;
  EXPECT_TRUE(WriteJson(SampleTree(), kJsonWriterDefault, &json));
  EXPECT_EQ("{\"a\":[1,2.0,null,\"x\"],\"b\":true,\"c\":{\"k\":-0.5}}", json);

  EXPECT_TRUE(
      WriteJson(JsonValue(3.0), kJsonWriterOmitDoubleTypePreservation, &json));
  EXPECT_EQ("3", json);
  EXPECT_TRUE(
      WriteJson(JsonValue(3.25), kJsonWriterOmitDoubleTypePreservation, &json));
  EXPECT_EQ("3.25", json);
  EXPECT_TRUE(WriteJson(JsonValue(1e100), kJsonWriterDefault, &json));
  EXPECT_EQ("1e+100", json);
  EXPECT_TRUE(WriteJson(JsonValue(JsonValue::List{}), 0, &json));
  EXPECT_EQ("[]", json);
  EXPECT_TRUE(WriteJson(JsonValue(JsonValue::Dict{}), 0, &json));
  EXPECT_EQ("{}", json);
}

TEST(JsonTest, WritePretty) {
  std::string json;
  EXPECT_TRUE(WriteJson(SampleTree(), kJsonWriterPrettyPrint, &json));
  EXPECT_EQ(
      "{\r\n"
      "   \"a\": [ 1, 2.0, null, \"x\" ],\r\n"
      "   \"b\": true,\r\n"
      "   \"c\": {\r\n"
      "      \"k\": -0.5\r\n"
      "   }\r\n"
      "}\r\n",
      json);
}

TEST(JsonTest, BinaryValues) {
  JsonValue::List list{JsonValue(1), JsonValue::Binary("xy"), JsonValue(2)};
  std::string json;
  EXPECT_FALSE(WriteJson(JsonValue(list), kJsonWriterDefault, &json));
  EXPECT_EQ("[1,,2]", json);
  EXPECT_TRUE(WriteJson(JsonValue(list), kJsonWriterOmitBinaryValues, &json));
  EXPECT_EQ("[1,2]", json);
}

TEST(JsonTest, DepthLimit) {
  JsonValue deep(JsonValue::List{});
  for (int i = 1; i < kJsonMaxDepth; ++i)
    deep = JsonValue(JsonValue::List{deep});
  std::string json;
  EXPECT_TRUE(WriteJson(deep, 0, &json));
  deep = JsonValue(JsonValue::List{deep});
  EXPECT_FALSE(WriteJson(deep, 0, &json));
}

}  // namespace
}  // namespace cefsim::text

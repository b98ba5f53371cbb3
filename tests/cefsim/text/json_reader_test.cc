// JSON input as Chromium's reader takes it; the error messages are those its
// own tests expect.
#include <string>

#include "gtest/gtest.h"
#include "text/json_reader.h"
#include "text/json_value.h"
#include "text/json_writer.h"

namespace cefsim::text {
namespace {

// The value back as compact JSON, so a case can state a whole tree.
std::string Reparsed(const std::string& json, int options = kJsonParseRfc) {
  JsonValue value;
  std::string error;
  if (!ParseJson(json, options, &value, &error))
    return "error: " + error;
  std::string out;
  WriteJson(value, kJsonWriterDefault, &out);
  return out;
}

TEST(JsonReaderTest, ReadsValuesAsChromium) {
  const struct {
    const char* json;
    const char* written;
  } kCases[] = {
      {"[42]", "[42]"},
      {"  {\"abc\" : \"def\"} \r\n", "{\"abc\":\"def\"}"},
      {"\xEF\xBB\xBF[true, false, null]", "[true,false,null]"},
      {"{\"a\":1,\"a\":2}", "{\"a\":2}"},  // The last key wins.
      {"[1234, -1234, 2147483647, -2147483648]",
       "[1234,-1234,2147483647,-2147483648]"},
      {"2147483648", "2147483648.0"},  // Beyond int: a double.
      {"12.34", "12.34"},
      {"42e3", "42000.0"},
      {"314159e-5", "3.14159"},
      {"0.42e+3", "420.0"},
      {"1e-400", "0.0"},
      {"\"\\\"\\\\\\/\\b\\f\\n\\r\\t\"", "\"\\\"\\\\/\\b\\f\\n\\r\\t\""},
      {"\"\\u00e9\\ud83d\\ude00\"", "\"\xC3\xA9\xF0\x9F\x98\x80\""},
      {"\"\xC3\xA9\x7F\"", "\"\xC3\xA9\x7F\""},
      {"{\"a\":[{},[]],\"b\":{\"c\":\"\"}}",
       "{\"a\":[{},[]],\"b\":{\"c\":\"\"}}"},
  };
  for (const auto& row : kCases)
    EXPECT_EQ(row.written, Reparsed(row.json)) << row.json;

  JsonValue value;
  ASSERT_TRUE(ParseJson("[1, 1.0]", kJsonParseRfc, &value, nullptr));
  EXPECT_EQ(JsonValue::Type::kInt, value.list()[0].type());
  EXPECT_EQ(JsonValue::Type::kDouble, value.list()[1].type());
}

TEST(JsonReaderTest, RefusesWhatRfcJsonIsNot) {
  const char* const kRefused[] = {
      "",
      "   ",
      "[1,]",
      "{\"a\":1,}",
      "[,1]",
      "01",
      "-01",
      "1.",
      ".5",
      "-",
      "1e",
      "+1",
      "0x10",
      "1e400",
      "NaN",
      "tru",
      "True",
      "nul",
      "[1 2]",
      "{\"a\" 1}",
      "{'a':1}",
      "'a'",
      "[1] x",
      "// c\n1",
      "/* c */1",
      "\"a\tb\"",
      "\"\\v\"",
      "\"\\x41\"",
      "\"\\ud83d\"",
      "\"\\ude00\"",
      "\"\\u12\"",
      "\"abc",
      "\"\xC3\"",
      "\"\xED\xA0\x80\"",
      "\"\xC0\xAF\"",
      "[\"a\"\f]",
  };
  for (const char* json : kRefused) {
    JsonValue value;
    EXPECT_FALSE(ParseJson(json, kJsonParseRfc, &value, nullptr)) << json;
  }
}

TEST(JsonReaderTest, TrailingCommasOnlyWhenAllowed) {
  EXPECT_EQ("[1]", Reparsed("[1,]", kJsonAllowTrailingCommas));
  EXPECT_EQ("{\"a\":1}", Reparsed("{\"a\":1,}", kJsonAllowTrailingCommas));
  // One comma, after an element.
  EXPECT_EQ("error: Line: 1, column: 4, Unexpected token.",
            Reparsed("[1,,]", kJsonAllowTrailingCommas));
  EXPECT_EQ("error: Line: 1, column: 2, Unexpected token.",
            Reparsed("[,]", kJsonAllowTrailingCommas));
}

TEST(JsonReaderTest, ErrorMessagesGiveLineAndColumn) {
  std::string nested(201, '[');
  nested.append(201, ']');
  const struct {
    std::string json;
    const char* error;
  } kCases[] = {
      {"{},{}", "Line: 1, column: 3, Unexpected data after root element."},
      {nested, "Line: 1, column: 200, Too much nesting."},
      {"[1,]", "Line: 1, column: 4, Trailing comma not allowed."},
      {"{foo:\"bar\"}", "Line: 1, column: 2, Dictionary keys must be quoted."},
      {"{\"foo\":\"bar\",}",
       "Line: 1, column: 14, Trailing comma not allowed."},
      {"[nu]", "Line: 1, column: 2, Syntax error."},
      {"[\"xxx\\uq\"]", "Line: 1, column: 7, Invalid escape sequence."},
      {"[\"xxx\\q\"]", "Line: 1, column: 7, Invalid escape sequence."},
      {"\"abc\ndef\"",
       "Line: 1, column: 4, Unsupported encoding. JSON must be UTF-8."},
      {"", "Line: 1, column: 1, Unexpected token."},
      {"[\n1,\n]", "Line: 3, column: 1, Trailing comma not allowed."},
      {"1e400", "Line: 1, column: 6, Number cannot be represented."},
  };
  for (const auto& row : kCases) {
    JsonValue value;
    std::string error;
    EXPECT_FALSE(ParseJson(row.json, kJsonParseRfc, &value, &error))
        << row.json;
    EXPECT_EQ(row.error, error) << row.json;
  }
  std::string deep(199, '[');
  deep.append(199, ']');
  JsonValue value;
  EXPECT_TRUE(ParseJson(deep, kJsonParseRfc, &value, nullptr));
}

}  // namespace
}  // namespace cefsim::text

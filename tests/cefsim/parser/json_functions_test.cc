// CefParseJSON and CefParseJSONAndReturnError through the wrapper into
// libcef.dll: the value tree a host gets, and the reasons for refusals.
#include <string>

#include "gtest/gtest.h"
#include "include/cef_parser.h"
#include "violations.h"

namespace {

TEST(JsonFunctionsTest, ParsesIntoAValueTree) {
  CefRefPtr<CefValue> value = CefParseJSON(
      "{\"list\":[1, 2.5, \"s\\u00e9\", true, null, 2147483648],"
      "\"dict\":{\"k\":\"v\"},\"k\":1,\"k\":2}",
      JSON_PARSER_RFC);
  ASSERT_TRUE(value);
  ASSERT_EQ(VTYPE_DICTIONARY, value->GetType());
  CefRefPtr<CefDictionaryValue> dict = value->GetDictionary();
  EXPECT_EQ(3u, dict->GetSize());
  EXPECT_EQ(2, dict->GetInt("k"));  // The last repeated key wins.
  EXPECT_EQ("v", dict->GetDictionary("dict")->GetString("k").ToString());
  CefRefPtr<CefListValue> list = dict->GetList("list");
  ASSERT_EQ(6u, list->GetSize());
  EXPECT_EQ(VTYPE_INT, list->GetType(0));
  EXPECT_EQ(1, list->GetInt(0));
  EXPECT_EQ(VTYPE_DOUBLE, list->GetType(1));
  EXPECT_EQ(2.5, list->GetDouble(1));
  EXPECT_EQ(L"s\u00E9", list->GetString(2).ToWString());
  EXPECT_TRUE(list->GetBool(3));
  EXPECT_EQ(VTYPE_NULL, list->GetType(4));
  EXPECT_EQ(VTYPE_DOUBLE, list->GetType(5));
  EXPECT_EQ(2147483648.0, list->GetDouble(5));

  const char buffer[] = "[true]trailing bytes not passed";
  CefRefPtr<CefValue> from_buffer = CefParseJSON(buffer, 6, JSON_PARSER_RFC);
  ASSERT_TRUE(from_buffer);
  EXPECT_TRUE(from_buffer->GetList()->GetBool(0));
  EXPECT_EQ("[true]",
            CefWriteJSON(from_buffer, JSON_WRITER_DEFAULT).ToString());
}

TEST(JsonFunctionsTest, RefusesWithChromiumsReasons) {
  const struct {
    const char* json;
    cef_json_parser_options_t options;
    const char* error;  // Null: parsed.
  } kCases[] = {
      {"[1,]", JSON_PARSER_RFC,
       "Line: 1, column: 4, Trailing comma not allowed."},
      {"[1,]", JSON_PARSER_ALLOW_TRAILING_COMMAS, nullptr},
      {"{\"a\":1,}", JSON_PARSER_ALLOW_TRAILING_COMMAS, nullptr},
      {"{foo:\"bar\"}", JSON_PARSER_RFC,
       "Line: 1, column: 2, Dictionary keys must be quoted."},
      {"[\n  1,\n  nul\n]", JSON_PARSER_RFC,
       "Line: 3, column: 3, Syntax error."},
      {"// no comments\n1", JSON_PARSER_RFC,
       "Line: 1, column: 1, Unexpected token."},
  };
  for (const auto& row : kCases) {
    CefString error("untouched");
    CefRefPtr<CefValue> value =
        CefParseJSONAndReturnError(row.json, row.options, error);
    EXPECT_EQ(row.error == nullptr, value != nullptr) << row.json;
    EXPECT_EQ(row.error ? row.error : "untouched", error.ToString())
        << row.json;
    EXPECT_EQ(row.error == nullptr,
              CefParseJSON(row.json, row.options) != nullptr)
        << row.json;
  }
  // Nothing to parse is no value, without a parse; an empty text or no
  // buffer at all is a failed check in CEF's wrapper too.
  CefString error("untouched");
  EXPECT_FALSE(CefParseJSONAndReturnError("", JSON_PARSER_RFC, error));
  EXPECT_EQ("untouched", error.ToString());
  EXPECT_FALSE(CefParseJSON(CefString(), JSON_PARSER_RFC));
  EXPECT_EQ(2, orvtest::TakeViolations("Check failed: !json_string.empty()"));
  EXPECT_FALSE(CefParseJSON(nullptr, 0, JSON_PARSER_RFC));
  EXPECT_EQ(1, orvtest::TakeViolations("Check failed: json."));
  EXPECT_FALSE(CefParseJSON("1", 0, JSON_PARSER_RFC));
}

}  // namespace

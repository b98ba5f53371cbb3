// Building the error page: the placeholder filled left to right, the failed
// URL encoded so it cannot leave its quotes, and the data URL around it.
#include "orvcef/bridge/error_page.h"

#include <string>

#include "gtest/gtest.h"
#include "include/cef_parser.h"
#include "orvcef/base/library_state.h"

namespace orvcef {
namespace {

TEST(ErrorPageTest, FillsEveryPlaceholderWithoutSearchingInsertedText) {
  struct {
    const char* name;
    std::wstring page_template;
    std::wstring url;
    std::wstring page;
  } cases[] = {
      {"none", L"<p>down</p>", L"u", L"<p>down</p>"},
      {"once", L"a%URL%b", L"u", L"aub"},
      {"twice", L"%URL%-%URL%", L"u", L"u-u"},
      {"adjacent", L"%URL%%URL%", L"x", L"xx"},
      {"inserted placeholder stays", L"[%URL%]", L"%URL%", L"[%URL%]"},
      {"inserted text completes none", L"%UR%URL%", L"L", L"%URL"},
      {"empty url", L"a%URL%b%URL%", L"", L"ab"},
      {"case matters", L"%url%", L"u", L"%url%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.page, FillErrorPageTemplate(c.page_template, c.url));
  }
}

TEST(ErrorPageTest, DefaultTemplateIsTheBuiltInText) {
  EXPECT_EQ(137u, std::wstring(kDefaultErrorPage).size());
}

TEST(ErrorPageTest, EncodedUrlCannotBreakOutOfQuotesOrAttribute) {
  const std::wstring url = L"http://x/?a='b\"c<d>e f%URL%\u00E9";
  const std::wstring encoded = EncodeFailedUrl(url);
  for (wchar_t c : std::wstring(L"'\"<> %")) {
    if (c == L'%')
      continue;
    EXPECT_EQ(std::wstring::npos, encoded.find(c)) << "found " << char(c);
  }
  EXPECT_EQ(std::wstring::npos, encoded.find(L"%URL%"));
  // What the page's unescape() gives back is the failed URL itself.
  const auto rules = static_cast<cef_uri_unescape_rule_t>(
      UU_SPACES | UU_PATH_SEPARATORS |
      UU_URL_SPECIAL_CHARS_EXCEPT_PATH_SEPARATORS);
  EXPECT_EQ(url, CefURIDecode(encoded, true, rules).ToWString());
  EXPECT_EQ(L"", EncodeFailedUrl(L""));
}

TEST(ErrorPageTest, MakesBase64DataUrlWithUriEncodedBody) {
  const std::string page = "<p>\xE7\xBD\x91</p>?>>";
  const std::string url = MakeDataUrl(page, kErrorPageMimeType);
  const std::string head = "data:text/html; charset=utf-8;base64,";
  ASSERT_EQ(37u, head.size());
  ASSERT_EQ(0u, url.find(head));
  const std::string body = url.substr(head.size());
  // Base64's '+', '/' and '=' travel percent-encoded.
  EXPECT_EQ(std::string::npos, body.find_first_of("+/="));
  const auto rules = static_cast<cef_uri_unescape_rule_t>(
      UU_PATH_SEPARATORS | UU_URL_SPECIAL_CHARS_EXCEPT_PATH_SEPARATORS);
  CefRefPtr<CefBinaryValue> decoded =
      CefBase64Decode(CefURIDecode(body, false, rules));
  ASSERT_TRUE(decoded);
  std::string bytes(decoded->GetSize(), '\0');
  decoded->GetData(&bytes[0], bytes.size(), 0);
  EXPECT_EQ(page, bytes);
}

}  // namespace
}  // namespace orvcef

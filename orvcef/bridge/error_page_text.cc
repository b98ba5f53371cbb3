// The pure text work of the error page: template filling, URL encoding and
// the data URL.
#include "include/cef_parser.h"
#include "orvcef/bridge/error_page.h"

namespace orvcef {

namespace {

constexpr wchar_t kUrlPlaceholder[] = L"%URL%";
constexpr size_t kUrlPlaceholderLength = 5;

}  // namespace

const char kErrorPageMimeType[] = "text/html; charset=utf-8";

std::wstring FillErrorPageTemplate(const std::wstring& page_template,
                                   const std::wstring& url) {
  std::wstring page = page_template;
  size_t position = page.find(kUrlPlaceholder);
  while (position != std::wstring::npos) {
    page.replace(position, kUrlPlaceholderLength, url);
    position = page.find(kUrlPlaceholder, position + url.size());
  }
  return page;
}

std::wstring EncodeFailedUrl(const std::wstring& failed_url) {
  if (failed_url.empty())
    return std::wstring();
  const std::wstring encoded = CefURIEncode(failed_url, false).ToWString();
  std::wstring safe;
  safe.reserve(encoded.size());
  for (wchar_t c : encoded) {
    if (c == L'\'')
      safe += L"%27";
    else
      safe += c;
  }
  return safe;
}

std::string MakeDataUrl(const std::string& data, const std::string& mime_type) {
  const CefString base64 = CefBase64Encode(data.data(), data.size());
  // CefURIEncode takes no empty text (CEF's debug build stops on one).
  if (base64.empty())
    return "data:" + mime_type + ";base64,";
  return "data:" + mime_type + ";base64," +
         CefURIEncode(base64, false).ToString();
}

}  // namespace orvcef

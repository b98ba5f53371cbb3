// The URL, URI, Base64 and JSON functions of include/cef_parser.h; the work
// happens in libcef.dll.
#include "include/cef_parser.h"

#include "adopt.h"
#include "parser_exports.h"

namespace {

CefString FromUserFree(cef_string_userfree_t text) {
  CefString result;
  if (text)
    result.AttachToUserFree(text);
  return result;
}

}  // namespace

bool CefParseURL(const CefString& url, CefURLParts& parts) {
  return cef_parse_url(url.GetStruct(), &parts) != 0;
}

CefString CefURIEncode(const CefString& text, bool use_plus) {
  return FromUserFree(cef_uriencode(text.GetStruct(), use_plus));
}

CefString CefURIDecode(const CefString& text,
                       bool convert_to_utf8,
                       cef_uri_unescape_rule_t unescape_rule) {
  return FromUserFree(
      cef_uridecode(text.GetStruct(), convert_to_utf8, unescape_rule));
}

CefString CefBase64Encode(const void* data, size_t data_size) {
  return FromUserFree(cef_base64encode(data, data_size));
}

CefRefPtr<CefBinaryValue> CefBase64Decode(const CefString& data) {
  return cefsim::Adopt(cefsim_base64decode(data.GetStruct()));
}

CefString CefWriteJSON(CefRefPtr<CefValue> node,
                       cef_json_writer_options_t options) {
  return FromUserFree(cefsim_write_json(node.get(), options));
}

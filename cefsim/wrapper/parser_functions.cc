// The URL, MIME, URI, Base64 and JSON functions of include/cef_parser.h; the
// work happens in libcef.dll.
#include "include/cef_parser.h"

#include <string>

#include "adopt.h"
#include "diagnostics_exports.h"
#include "parser_exports.h"

namespace {

// CEF's wrapper checks each required argument before it calls into
// libcef.dll: a debug build stops on a missing one, a release build returns
// the empty result. Reported here as the violation that debug stop is.
bool Present(bool present, const char* condition) {
  if (!present)
    cefsim_report_violation(
        ("Check failed: " + std::string(condition) + ". ").c_str());
  return present;
}

CefString FromUserFree(cef_string_userfree_t text) {
  CefString result;
  if (text)
    result.AttachToUserFree(text);
  return result;
}

}  // namespace

bool CefResolveURL(const CefString& base_url,
                   const CefString& relative_url,
                   CefString& resolved_url) {
  if (!Present(!base_url.empty(), "!base_url.empty()") ||
      !Present(!relative_url.empty(), "!relative_url.empty()")) {
    return false;
  }
  return cef_resolve_url(base_url.GetStruct(), relative_url.GetStruct(),
                         resolved_url.GetWritableStruct()) != 0;
}

bool CefParseURL(const CefString& url, CefURLParts& parts) {
  if (!Present(!url.empty(), "!url.empty()"))
    return false;
  return cef_parse_url(url.GetStruct(), &parts) != 0;
}

bool CefCreateURL(const CefURLParts& parts, CefString& url) {
  return cef_create_url(&parts, url.GetWritableStruct()) != 0;
}

CefString CefFormatUrlForSecurityDisplay(const CefString& origin_url) {
  if (!Present(!origin_url.empty(), "!origin_url.empty()"))
    return CefString();
  return FromUserFree(
      cef_format_url_for_security_display(origin_url.GetStruct()));
}

CefString CefGetMimeType(const CefString& extension) {
  if (!Present(!extension.empty(), "!extension.empty()"))
    return CefString();
  return FromUserFree(cef_get_mime_type(extension.GetStruct()));
}

void CefGetExtensionsForMimeType(const CefString& mime_type,
                                 std::vector<CefString>& extensions) {
  if (!Present(!mime_type.empty(), "!mime_type.empty()"))
    return;
  cef_string_list_t list = cef_string_list_alloc();
  cef_get_extensions_for_mime_type(mime_type.GetStruct(), list);
  const size_t size = cef_string_list_size(list);
  for (size_t i = 0; i < size; ++i) {
    CefString extension;
    cef_string_list_value(list, i, extension.GetWritableStruct());
    extensions.push_back(extension);
  }
  cef_string_list_free(list);
}

CefString CefURIEncode(const CefString& text, bool use_plus) {
  if (!Present(!text.empty(), "!text.empty()"))
    return CefString();
  return FromUserFree(cef_uriencode(text.GetStruct(), use_plus));
}

CefString CefURIDecode(const CefString& text,
                       bool convert_to_utf8,
                       cef_uri_unescape_rule_t unescape_rule) {
  if (!Present(!text.empty(), "!text.empty()"))
    return CefString();
  return FromUserFree(
      cef_uridecode(text.GetStruct(), convert_to_utf8, unescape_rule));
}

CefString CefBase64Encode(const void* data, size_t data_size) {
  return FromUserFree(cef_base64encode(data, data_size));
}

CefRefPtr<CefBinaryValue> CefBase64Decode(const CefString& data) {
  if (!Present(!data.empty(), "!data.empty()"))
    return nullptr;
  return cefsim::Adopt(cefsim_base64decode(data.GetStruct()));
}

CefRefPtr<CefValue> CefParseJSON(const CefString& json_string,
                                 cef_json_parser_options_t options) {
  if (!Present(!json_string.empty(), "!json_string.empty()"))
    return nullptr;
  const std::string json = json_string.ToString();
  return CefParseJSON(json.data(), json.size(), options);
}

CefRefPtr<CefValue> CefParseJSON(const void* json,
                                 size_t json_size,
                                 cef_json_parser_options_t options) {
  if (!Present(json != nullptr, "json"))
    return nullptr;
  // As CEF: no input is no value, without parsing.
  if (json_size == 0)
    return nullptr;
  return cefsim::Adopt(cefsim_parse_json(json, json_size, options, nullptr));
}

CefRefPtr<CefValue> CefParseJSONAndReturnError(
    const CefString& json_string,
    cef_json_parser_options_t options,
    CefString& error_msg_out) {
  if (!Present(!json_string.empty(), "!json_string.empty()"))
    return nullptr;
  const std::string json = json_string.ToString();
  return cefsim::Adopt(cefsim_parse_json(json.data(), json.size(), options,
                                         error_msg_out.GetWritableStruct()));
}

CefString CefWriteJSON(CefRefPtr<CefValue> node,
                       cef_json_writer_options_t options) {
  if (!Present(node.get() != nullptr, "node.get()"))
    return CefString();
  return FromUserFree(cefsim_write_json(node.get(), options));
}

// cefsim: the CEF 109 declarations of include/cef_parser.h.

#ifndef CEF_INCLUDE_CEF_PARSER_H_
#define CEF_INCLUDE_CEF_PARSER_H_
#pragma once

#include <vector>

#include "include/cef_base.h"
#include "include/cef_values.h"

bool CefResolveURL(const CefString& base_url,
                   const CefString& relative_url,
                   CefString& resolved_url);

bool CefParseURL(const CefString& url, CefURLParts& parts);

bool CefCreateURL(const CefURLParts& parts, CefString& url);

CefString CefFormatUrlForSecurityDisplay(const CefString& origin_url);

CefString CefGetMimeType(const CefString& extension);

void CefGetExtensionsForMimeType(const CefString& mime_type,
                                 std::vector<CefString>& extensions);

CefString CefBase64Encode(const void* data, size_t data_size);

CefRefPtr<CefBinaryValue> CefBase64Decode(const CefString& data);

CefString CefURIEncode(const CefString& text, bool use_plus);

CefString CefURIDecode(const CefString& text,
                       bool convert_to_utf8,
                       cef_uri_unescape_rule_t unescape_rule);

CefRefPtr<CefValue> CefParseJSON(const CefString& json_string,
                                 cef_json_parser_options_t options);

CefRefPtr<CefValue> CefParseJSON(const void* json,
                                 size_t json_size,
                                 cef_json_parser_options_t options);

CefRefPtr<CefValue> CefParseJSONAndReturnError(
    const CefString& json_string,
    cef_json_parser_options_t options,
    CefString& error_msg_out);

CefString CefWriteJSON(CefRefPtr<CefValue> node,
                       cef_json_writer_options_t options);

#endif  // CEF_INCLUDE_CEF_PARSER_H_

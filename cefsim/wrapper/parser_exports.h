// The libcef.dll exports behind the parser functions of include/cef_parser.h.
// Strings come back as user-free strings that the caller attaches.
#ifndef CEFSIM_WRAPPER_PARSER_EXPORTS_H_
#define CEFSIM_WRAPPER_PARSER_EXPORTS_H_

#include <stddef.h>

#include "include/cef_values.h"
#include "include/internal/cef_string_list.h"
#include "include/internal/cef_types.h"

#if !defined(CEFSIM_EXPORT)
#if defined(BUILDING_CEF_SHARED)
#define CEFSIM_EXPORT __declspec(dllexport)
#else
#define CEFSIM_EXPORT
#endif
#endif

extern "C" {

// Fills |parts| and returns 1 when |url| is a valid URL; otherwise returns 0
// and leaves |parts| as it was.
CEFSIM_EXPORT int cef_parse_url(const cef_string_t* url, cef_urlparts_t* parts);
// Sets |resolved_url| and returns 1 when |relative_url| resolves against the
// valid URL |base_url|; otherwise returns 0.
CEFSIM_EXPORT int cef_resolve_url(const cef_string_t* base_url,
                                  const cef_string_t* relative_url,
                                  cef_string_t* resolved_url);
// Sets |url| and returns 1 when |parts| make a valid URL.
CEFSIM_EXPORT int cef_create_url(const cef_urlparts_t* parts,
                                 cef_string_t* url);
CEFSIM_EXPORT cef_string_userfree_t
cef_format_url_for_security_display(const cef_string_t* origin_url);
// Empty (null) for an extension of no known type.
CEFSIM_EXPORT cef_string_userfree_t
cef_get_mime_type(const cef_string_t* extension);
// Appends the extensions of |mime_type| to |extensions|.
CEFSIM_EXPORT void cef_get_extensions_for_mime_type(
    const cef_string_t* mime_type,
    cef_string_list_t extensions);
CEFSIM_EXPORT cef_string_userfree_t cef_uriencode(const cef_string_t* text,
                                                  int use_plus);
CEFSIM_EXPORT cef_string_userfree_t
cef_uridecode(const cef_string_t* text,
              int convert_to_utf8,
              cef_uri_unescape_rule_t unescape_rule);
CEFSIM_EXPORT cef_string_userfree_t cef_base64encode(const void* data,
                                                     size_t data_size);
// Null for text that is not Base64 or decodes to nothing; otherwise a new
// binary value with one reference for the caller.
CEFSIM_EXPORT CefBinaryValue* cefsim_base64decode(const cef_string_t* data);
// Parses |json_size| bytes of UTF-8 JSON. Null when they are no JSON, with
// the reason in |error_msg_out| when it is not null; otherwise a new value
// with one reference for the caller.
CEFSIM_EXPORT CefValue* cefsim_parse_json(const void* json,
                                          size_t json_size,
                                          int options,
                                          cef_string_t* error_msg_out);
// |node| is borrowed. Null (an empty string) for a null or invalid value.
CEFSIM_EXPORT cef_string_userfree_t cefsim_write_json(CefValue* node,
                                                      int options);
}

#endif  // CEFSIM_WRAPPER_PARSER_EXPORTS_H_

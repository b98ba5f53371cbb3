// The libcef.dll exports behind the parser functions of include/cef_parser.h.
// Strings come back as user-free strings that the caller attaches.
#ifndef CEFSIM_WRAPPER_PARSER_EXPORTS_H_
#define CEFSIM_WRAPPER_PARSER_EXPORTS_H_

#include <stddef.h>

#include "include/cef_values.h"
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
// |node| is borrowed. Null (an empty string) for a null or invalid value.
CEFSIM_EXPORT cef_string_userfree_t cefsim_write_json(CefValue* node,
                                                      int options);
}

#endif  // CEFSIM_WRAPPER_PARSER_EXPORTS_H_

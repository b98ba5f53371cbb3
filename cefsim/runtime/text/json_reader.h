// JSON input as Chromium's base::JSONReader reads it for CefParseJSON: the
// RFC 8259 grammar with Chromium's limits and choices, and its error
// messages for CefParseJSONAndReturnError.

#ifndef CEFSIM_RUNTIME_TEXT_JSON_READER_H_
#define CEFSIM_RUNTIME_TEXT_JSON_READER_H_

#include <string>
#include <string_view>

#include "text/json_value.h"

namespace cefsim::text {

// Bit values of cef_json_parser_options_t.
enum JsonParserOptions : int {
  kJsonParseRfc = 0,
  kJsonAllowTrailingCommas = 1 << 0,
};

// Parses |json| (UTF-8) into |value|. On failure returns false and sets
// |error| (when not null) to Chromium's message, "Line: 1, column: 4,
// Trailing comma not allowed." and the like.
//
// As in Chromium: a leading UTF-8 byte order mark is skipped; whitespace is
// space, tab, CR and LF only; lists and dictionaries nest at most 199
// deep; the last of repeated dictionary keys wins; a number without
// fraction or exponent that fits in 32 bits is an int, any other number a
// double, and one too large for a double fails; strings must be valid UTF-8
// without raw control characters, and a \u escape of a lone surrogate fails.
bool ParseJson(std::string_view json,
               int options,
               JsonValue* value,
               std::string* error);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_JSON_READER_H_

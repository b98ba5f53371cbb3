// JSON output of a JsonValue tree as Chromium's base::JSONWriter produces it
// for CefWriteJSON.

#ifndef CEFSIM_RUNTIME_TEXT_JSON_WRITER_H_
#define CEFSIM_RUNTIME_TEXT_JSON_WRITER_H_

#include <string>

#include "text/json_value.h"

namespace cefsim::text {

// Bit values of cef_json_writer_options_t.
enum JsonWriterOptions : int {
  kJsonWriterDefault = 0,
  kJsonWriterOmitBinaryValues = 1 << 0,
  kJsonWriterOmitDoubleTypePreservation = 1 << 1,
  kJsonWriterPrettyPrint = 1 << 2,
};

// Pretty printing ends lines with CRLF, as Chromium does on Windows.
inline constexpr char kJsonPrettyPrintLineEnding[] = "\r\n";

// Nesting deeper than this fails, as in Chromium.
inline constexpr int kJsonMaxDepth = 200;

// Writes |value| into |json| (replacing its content). Returns false when part
// of the tree cannot be written (binary values without the omit option, too
// deep nesting); |json| then holds what was written, which CefWriteJSON
// returns as it is.
//
// Doubles always carry a fraction or exponent ("1.0") unless
// kJsonWriterOmitDoubleTypePreservation turns integral ones into integers.
// Non-finite doubles are written as 0.0, the value base::Value stores for
// them.
bool WriteJson(const JsonValue& value, int options, std::string* json);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_JSON_WRITER_H_

// Decoding a JSON string literal, for checking what the kit pushes.
#ifndef TESTS_ORVCEF_HOST_JSON_STRING_H_
#define TESTS_ORVCEF_HOST_JSON_STRING_H_

#include <string>

namespace orvtest {

// Decodes the JSON string literal |json| (quotes included, UTF-8) into
// UTF-16 text. False when |json| is not exactly one valid string literal.
bool DecodeJsonString(const std::string& json, std::wstring* text);

}  // namespace orvtest

#endif  // TESTS_ORVCEF_HOST_JSON_STRING_H_

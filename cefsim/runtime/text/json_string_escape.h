// JSON string literals as Chromium's base::EscapeJSONString writes them.

#ifndef CEFSIM_RUNTIME_TEXT_JSON_STRING_ESCAPE_H_
#define CEFSIM_RUNTIME_TEXT_JSON_STRING_ESCAPE_H_

#include <string>
#include <string_view>

namespace cefsim::text {

// Appends |str| escaped for JSON to |dest|, in double quotes when
// |put_in_quotes|. Short escapes for \b \f \n \r \t \\ \", \u00XX for other
// control characters, \u003C for '<' and \u2028/\u2029 for the line and
// paragraph separators; the rest is written as UTF-8. Ill-formed input
// becomes U+FFFD and the function then returns false.
bool EscapeJsonString(std::string_view str,
                      bool put_in_quotes,
                      std::string* dest);
bool EscapeJsonString(std::u16string_view str,
                      bool put_in_quotes,
                      std::string* dest);

// Quoted JSON literal of |str|.
std::string GetQuotedJsonString(std::string_view str);
std::string GetQuotedJsonString(std::u16string_view str);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_JSON_STRING_ESCAPE_H_

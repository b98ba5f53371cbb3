// Percent-encoding and decoding of URI components, as CefURIEncode and
// CefURIDecode do through Chromium's base/strings/escape.

#ifndef CEFSIM_RUNTIME_TEXT_URI_ENCODE_H_
#define CEFSIM_RUNTIME_TEXT_URI_ENCODE_H_

#include <string>
#include <string_view>

namespace cefsim::text {

// Bit values of cef_uri_unescape_rule_t.
enum UnescapeRule : int {
  kUnescapeNone = 0,
  kUnescapeNormal = 1 << 0,
  kUnescapeSpaces = 1 << 1,
  kUnescapePathSeparators = 1 << 2,
  kUnescapeUrlSpecialCharsExceptPathSeparators = 1 << 3,
  kUnescapeReplacePlusWithSpace = 1 << 4,
};

// Escapes the UTF-8 bytes of |text| as a query parameter value: everything
// but ASCII letters, digits and !'()*-._~ becomes %XX (upper-case hex). With
// |use_plus| a space becomes '+' instead of %20.
std::string EscapeQueryParamValue(std::string_view text, bool use_plus);

// Unescapes %XX sequences that |rules| allow. Escaped UTF-8 is unescaped a
// whole character at a time; characters that could change how a URL parses
// or be used for spoofing stay escaped unless a rule allows them.
std::string UnescapeUrlComponent(std::string_view text, int rules);

// Unescapes every %XX sequence to its byte, whatever it is, as the body of
// a data: URL is read.
std::string UnescapeBinaryUrlComponent(std::string_view text);

// UnescapeUrlComponent followed by UTF-8 decoding; if the unescaped bytes are
// not valid UTF-8, returns |text| itself decoded instead.
std::u16string UnescapeAndDecodeUtf8UrlComponent(std::string_view text,
                                                 int rules);

// CefURIEncode and CefURIDecode on UTF-16 text.
std::u16string UriEncode(std::u16string_view text, bool use_plus);
std::u16string UriDecode(std::u16string_view text,
                         bool convert_to_utf8,
                         int rules);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URI_ENCODE_H_

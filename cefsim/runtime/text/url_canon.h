// URL parsing and canonicalization as GURL does it in a Windows build of
// Chromium 109, for CefParseURL.

#ifndef CEFSIM_RUNTIME_TEXT_URL_CANON_H_
#define CEFSIM_RUNTIME_TEXT_URL_CANON_H_

#include <string>
#include <string_view>

#include "text/url_component.h"

namespace cefsim::text {

// The strings CefParseURL reports, from the canonical URL: components
// without their separators ("?" and "#" are not part of query and fragment),
// the port only when it is not the scheme's default, and as origin the
// canonical scheme://host[:port]/ of a standard URL (empty for other
// schemes, as GURL::DeprecatedGetOriginAsURL gives).
struct UrlParts {
  std::string spec;
  std::string scheme;
  std::string username;
  std::string password;
  std::string host;
  std::string port;
  std::string origin;
  std::string path;
  std::string query;
  std::string fragment;
};

// Parses |input| (UTF-8). Returns false, leaving |parts| untouched, for
// input GURL holds invalid: no scheme ("app.test/x", ""), a malformed scheme,
// a standard URL without host, a bad host or port.
//
// Standard schemes (see url_schemes.h) are parsed hierarchically; file: URLs
// and bare Windows paths ("C:\x", "\\server\share") become file URLs; mailto:
// keeps its path and query; every other scheme (data:, about:, javascript:,
// blob:, custom ones) is an opaque path URL with no host. filesystem: URLs
// are not supported and fail.
bool ParseUrl(std::string_view input, UrlParts* parts);

// Just the canonical spec; false where ParseUrl fails.
bool CanonicalizeUrl(std::string_view input, std::string* spec);

// The canonical URL text with its components, and whether the scheme is a
// standard one (file: included); false where ParseUrl fails, with the URL
// text written so far in |spec| (as GURL keeps an invalid URL's text).
bool CanonicalizeUrl(std::string_view input,
                     std::string* spec,
                     Parsed* parsed,
                     bool* is_standard);

// |input| without tabs and line breaks, which a URL drops wherever they are.
std::string RemoveUrlWhitespace(std::string_view input);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URL_CANON_H_

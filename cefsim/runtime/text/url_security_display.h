// url_formatter::FormatUrlForSecurityDisplay as CefFormatUrlForSecurityDisplay
// calls it (scheme shown): what a user needs to see of a URL to judge whom
// they deal with.

#ifndef CEFSIM_RUNTIME_TEXT_URL_SECURITY_DISPLAY_H_
#define CEFSIM_RUNTIME_TEXT_URL_SECURITY_DISPLAY_H_

#include <string>
#include <string_view>

namespace cefsim::text {

// For a standard URL its origin, scheme://host[:port] with the port only
// when it is not the scheme's default and without user info, path, query or
// fragment; for a file URL "file://" and its path. Another valid URL is
// shown whole with its escaped spaces and UTF-8 unescaped, as
// url_formatter::FormatUrl shows it; for an invalid URL, what GURL made of
// it (nothing without a scheme).
//
// Not modelled: hosts stay in punycode (Chromium shows the Unicode form of
// an internationalized host its spoof checks accept), and filesystem: URLs
// count as invalid.
std::u16string FormatUrlForSecurityDisplay(std::string_view url);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URL_SECURITY_DISPLAY_H_

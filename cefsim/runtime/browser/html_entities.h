// Character references in HTML text ("&amp;", "&#233;", "&#x20AC;"), decoded
// as a browser shows them, for the text the simulated window paints.
#ifndef CEFSIM_RUNTIME_BROWSER_HTML_ENTITIES_H_
#define CEFSIM_RUNTIME_BROWSER_HTML_ENTITIES_H_

#include <string>
#include <string_view>

namespace cefsim {
namespace browser {

// Decodes the character reference at the start of |text| ('&' included)
// into UTF-8, appended to |*out|; returns how many bytes of |text| it spans,
// or 0 when it is none the window knows (the caller then keeps the '&' as
// text). Known: numeric references, decimal or hexadecimal, and the named
// ones that page text commonly uses, each with its ';'. A numeric reference
// to 0, to a surrogate or beyond U+10FFFF becomes U+FFFD, as in a browser.
size_t DecodeHtmlCharacterReference(std::string_view text, std::string* out);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_HTML_ENTITIES_H_

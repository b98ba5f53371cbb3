// Host names to ASCII by UTS #46, the way Chromium 109 calls ICU: transitional
// processing (U+00DF becomes "ss", final sigma becomes sigma, joiners are
// dropped), hyphen checks on, STD3 rules off, DNS length limits enforced.
//
// Not covered: the bidi rules (right-to-left labels are not checked), the
// mapping of code points above U+FFFF (they are taken as valid as they are)
// and the normalization of code points above U+FFFF.

#ifndef CEFSIM_RUNTIME_TEXT_IDNA_H_
#define CEFSIM_RUNTIME_TEXT_IDNA_H_

#include <string>
#include <string_view>

namespace cefsim::text {

// Maps, normalizes and validates |host| and returns its ASCII form, each
// non-ASCII label as "xn--" Punycode. False for any UTS #46 error.
bool IdnToAscii(std::u16string_view host, std::u16string* ascii);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_IDNA_H_

// Host canonicalization of standard URLs: percent-decoding, lower-casing,
// IDN conversion and IP address recognition.

#ifndef CEFSIM_RUNTIME_TEXT_URL_CANON_HOST_H_
#define CEFSIM_RUNTIME_TEXT_URL_CANON_HOST_H_

#include <string>
#include <string_view>

namespace cefsim::text {

// Appends the canonical form of |host| (UTF-8, possibly percent-escaped) to
// |out|. Returns false when the host is invalid: a code point that hosts
// may not hold (before or after decoding), an IDN error, or text that looks
// like an IP address but is not one. An empty host appends nothing and
// succeeds; callers decide whether empty is allowed.
bool CanonicalizeHost(std::string_view host, std::string* out);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URL_CANON_HOST_H_

// Base64 with the standard alphabet and '=' padding, as Chromium's
// base::Base64Encode and base::Base64Decode (strict policy) behave.

#ifndef CEFSIM_RUNTIME_TEXT_BASE64_H_
#define CEFSIM_RUNTIME_TEXT_BASE64_H_

#include <string>
#include <string_view>

namespace cefsim::text {

std::string Base64Encode(std::string_view bytes);

// Strict decoding: the length must be a multiple of four, at most two '='
// may end the input and nothing else outside the alphabet is accepted, not
// even whitespace. Unused low bits of the last symbol are ignored. Returns
// false and leaves |out| untouched on malformed input.
bool Base64Decode(std::string_view text, std::string* out);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_BASE64_H_

// Punycode (RFC 3492), the ASCII encoding of internationalized host labels.

#ifndef CEFSIM_RUNTIME_TEXT_PUNYCODE_H_
#define CEFSIM_RUNTIME_TEXT_PUNYCODE_H_

#include <string>
#include <string_view>

namespace cefsim::text {

// Encodes code points into Punycode without the "xn--" prefix. Fails only on
// overflow, which labels of sane length never reach.
bool PunycodeEncode(std::u32string_view input, std::string* output);

// Decodes Punycode (without the prefix). Fails on characters outside the
// basic set, bad digits, overflow and code points that are not scalar
// values.
bool PunycodeDecode(std::string_view input, std::u32string* output);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_PUNYCODE_H_

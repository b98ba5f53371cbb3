// Normalization Form C for the Basic Multilingual Plane, as host name
// processing needs it.

#ifndef CEFSIM_RUNTIME_TEXT_UNICODE_NORMALIZE_H_
#define CEFSIM_RUNTIME_TEXT_UNICODE_NORMALIZE_H_

#include <string>

namespace cefsim::text {

// Canonical decomposition, canonical ordering and composition. Code points
// above U+FFFF are passed through unchanged (treated as starters that
// neither decompose nor compose).
std::u32string NormalizeNfc(const std::u32string& input);

// General category Mark (Mn, Mc, Me), in the BMP.
bool IsCombiningMark(char32_t cp);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_UNICODE_NORMALIZE_H_

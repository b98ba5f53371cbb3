// Number formatting of Chromium's base::NumberToString, which JSON output
// uses.

#ifndef CEFSIM_RUNTIME_TEXT_NUMBER_TO_STRING_H_
#define CEFSIM_RUNTIME_TEXT_NUMBER_TO_STRING_H_

#include <string>

namespace cefsim::text {

// The shortest decimal that reads back as |value|, laid out as ECMAScript's
// Number.prototype.toString does: plain digits for exponents from -7 to 20,
// otherwise "1.5e+21" / "1e-7"; -0 prints as "0"; "NaN", "Infinity".
std::string DoubleToShortestString(double value);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_NUMBER_TO_STRING_H_

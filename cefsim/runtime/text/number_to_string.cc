#include "text/number_to_string.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace cefsim::text {

namespace {

// Finds the fewest significant digits that round-trip. Returns the digits
// without sign or dot and the decimal exponent: value = 0.DIGITS * 10^exp.
void ShortestDigits(double value, std::string* digits, int* exponent) {
  char buf[40];
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(buf, sizeof(buf), "%.*e", precision - 1, value);
    if (std::strtod(buf, nullptr) == value)
      break;
  }
  // buf is "d.ddde[+-]xx".
  digits->clear();
  const char* p = buf;
  for (; *p && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9')
      digits->push_back(*p);
  }
  const int e10 = std::atoi(p + 1);
  while (digits->size() > 1 && digits->back() == '0')
    digits->pop_back();
  *exponent = e10 + 1;
}

}  // namespace

std::string DoubleToShortestString(double value) {
  if (std::isnan(value))
    return "NaN";
  if (std::isinf(value))
    return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0)
    return "0";
  std::string out;
  if (value < 0) {
    out.push_back('-');
    value = -value;
  }
  std::string digits;
  int n;
  ShortestDigits(value, &digits, &n);
  const int k = static_cast<int>(digits.size());
  if (k <= n && n <= 21) {
    out += digits;
    out.append(static_cast<size_t>(n - k), '0');
  } else if (0 < n && n <= 21) {
    out += digits.substr(0, static_cast<size_t>(n));
    out.push_back('.');
    out += digits.substr(static_cast<size_t>(n));
  } else if (-6 < n && n <= 0) {
    out += "0.";
    out.append(static_cast<size_t>(-n), '0');
    out += digits;
  } else {
    out.push_back(digits[0]);
    if (k > 1) {
      out.push_back('.');
      out += digits.substr(1);
    }
    out.push_back('e');
    const int e = n - 1;
    out.push_back(e < 0 ? '-' : '+');
    out += std::to_string(e < 0 ? -e : e);
  }
  return out;
}

}  // namespace cefsim::text

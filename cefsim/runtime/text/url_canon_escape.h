// Character classes and percent-escaping helpers shared by the URL
// canonicalizers.

#ifndef CEFSIM_RUNTIME_TEXT_URL_CANON_ESCAPE_H_
#define CEFSIM_RUNTIME_TEXT_URL_CANON_ESCAPE_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace cefsim::text {

enum CharClass : unsigned char {
  // Left unescaped in the query of a standard URL.
  kCharQuery = 1,
  // Left unescaped in user names and passwords.
  kCharUserInfo = 2,
  // May appear in an IPv4 address: digits, '.', 'x' and 'X'.
  kCharIPv4 = 4,
  kCharHex = 8,
  kCharDec = 16,
  kCharOct = 32,
};

bool IsCharOfClass(unsigned char c, CharClass char_class);

// Appends "%XX" with upper-case hex.
template <typename Out>
void AppendEscapedByte(unsigned char c, Out* out) {
  constexpr char kHex[] = "0123456789ABCDEF";
  out->push_back('%');
  out->push_back(kHex[c >> 4]);
  out->push_back(kHex[c & 0xF]);
}

// Reads the UTF-8 character at |*index| and appends its bytes escaped,
// leaving |*index| on its last byte. Ill-formed input is replaced by an
// escaped U+FFFD and false is returned.
bool AppendUtf8EscapedChar(std::string_view in,
                           size_t* index,
                           std::string* out);

// Appends |in| with characters outside |char_class| escaped.
void AppendStringOfClass(std::string_view in,
                         CharClass char_class,
                         std::string* out);

// Decodes "%XX" at |*index| (which points at the '%'); on success leaves
// |*index| on the second hex digit.
template <typename Char>
bool DecodeEscaped(const Char* s,
                   size_t len,
                   size_t* index,
                   unsigned char* value) {
  if (*index + 3 > len)
    return false;
  auto hex = [](unsigned c) -> int {
    if (c >= '0' && c <= '9')
      return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f')
      return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
      return static_cast<int>(c - 'A' + 10);
    return -1;
  };
  const int hi = hex(static_cast<unsigned>(s[*index + 1]));
  const int lo = hex(static_cast<unsigned>(s[*index + 2]));
  if (hi < 0 || lo < 0)
    return false;
  *value = static_cast<unsigned char>(hi * 16 + lo);
  *index += 2;
  return true;
}

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URL_CANON_ESCAPE_H_

#include "text/url_canon_escape.h"

#include <cstdint>

#include "text/utf_convert.h"

namespace cefsim::text {

namespace {

constexpr unsigned char Q = kCharQuery;
constexpr unsigned char U = kCharUserInfo;
constexpr unsigned char V4 = kCharIPv4;
constexpr unsigned char H = kCharHex;
constexpr unsigned char D = kCharDec;
constexpr unsigned char O = kCharOct;

// Classes of the 7-bit characters. Query keeps what does not end it or
// invite markup injection (', <, > are escaped); user info keeps what cannot
// be read as a delimiter of the authority.
// clang-format off
constexpr unsigned char kCharClasses[0x80] = {
  // 0x00 - 0x1f: control characters are escaped everywhere.
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  //  ' '  !      "  #  $      %      &      '  (      )      *      +
      0,   Q | U, 0, 0, Q | U, Q | U, Q | U, 0, Q | U, Q | U, Q | U, Q | U,
  //  ,      -      .           /
      Q | U, Q | U, Q | U | V4, Q,
  //  0 - 7
      Q | U | V4 | H | D | O, Q | U | V4 | H | D | O, Q | U | V4 | H | D | O,
      Q | U | V4 | H | D | O, Q | U | V4 | H | D | O, Q | U | V4 | H | D | O,
      Q | U | V4 | H | D | O, Q | U | V4 | H | D | O,
  //  8, 9
      Q | U | V4 | H | D, Q | U | V4 | H | D,
  //  :  ;  <  =  >  ?
      Q, Q, 0, Q, 0, Q,
  //  @  A - F
      Q, Q | U | V4 | H, Q | U | V4 | H, Q | U | V4 | H, Q | U | V4 | H,
      Q | U | V4 | H, Q | U | V4 | H,
  //  G - W
      Q | U, Q | U, Q | U, Q | U, Q | U, Q | U, Q | U, Q | U, Q | U, Q | U,
      Q | U, Q | U, Q | U, Q | U, Q | U, Q | U, Q | U,
  //  X           Y      Z      [  \  ]  ^  _
      Q | U | V4, Q | U, Q | U, Q, Q, Q, Q, Q | U,
  //  `  a - f
      Q, Q | U | V4 | H, Q | U | V4 | H, Q | U | V4 | H, Q | U | V4 | H,
      Q | U | V4 | H, Q | U | V4 | H,
  //  g - w
      Q | U, Q | U, Q | U, Q | U, Q | U, Q | U, Q | U, Q | U, Q | U, Q | U,
      Q | U, Q | U, Q | U, Q | U, Q | U, Q | U, Q | U,
  //  x           y      z      {  |  }  ~      DEL
      Q | U | V4, Q | U, Q | U, Q, Q, Q, Q | U, 0,
};
// clang-format on

}  // namespace

bool IsCharOfClass(unsigned char c, CharClass char_class) {
  return c < 0x80 && (kCharClasses[c] & char_class) != 0;
}

bool AppendUtf8EscapedChar(std::string_view in,
                           size_t* index,
                           std::string* out) {
  uint32_t cp;
  size_t next = *index;
  const bool ok = ReadUtf8(in, &next, &cp);
  std::string bytes;
  AppendUtf8(cp, &bytes);
  for (char b : bytes)
    AppendEscapedByte(static_cast<unsigned char>(b), out);
  *index = next - 1;
  return ok;
}

void AppendStringOfClass(std::string_view in,
                         CharClass char_class,
                         std::string* out) {
  for (size_t i = 0; i < in.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(in[i]);
    if (c >= 0x80)
      AppendUtf8EscapedChar(in, &i, out);
    else if (IsCharOfClass(c, char_class))
      out->push_back(static_cast<char>(c));
    else
      AppendEscapedByte(c, out);
  }
}

}  // namespace cefsim::text

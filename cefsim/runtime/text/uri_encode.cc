#include "text/uri_encode.h"

#include <cstdint>

#include "text/utf_convert.h"

namespace cefsim::text {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsQueryParamUnreserved(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
      (c >= '0' && c <= '9'))
    return true;
  switch (c) {
    case '!':
    case '\'':
    case '(':
    case ')':
    case '*':
    case '-':
    case '.':
    case '_':
    case '~':
      return true;
    default:
      return false;
  }
}

// ASCII that may always be unescaped: it cannot change how a URL parses and
// has one canonical form. Everything else needs a rule.
bool IsAlwaysUnescapable(uint32_t c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
      (c >= '0' && c <= '9'))
    return true;
  return c == '"' || c == '-' || c == '<' || c == '>' || c == '_' || c == '~';
}

// Characters that render invisibly or as space, reorder text or imitate
// browser UI; Chromium keeps them escaped whatever the rules.
bool IsSpoofingCodePoint(uint32_t c) {
  if (c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
      c == 0x061C || (c >= 0x2066 && c <= 0x2069))
    return true;
  if (c == 0x1F50F || c == 0x1F510 || c == 0x1F512 || c == 0x1F513)
    return true;
  if (c == 0x0085 || c == 0x00A0 || c == 0x1680 ||
      (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
      c == 0x202F || c == 0x205F || c == 0x3000 || c == 0x2800)
    return true;
  if (c == 0x00AD || c == 0x034F || (c >= 0x0600 && c <= 0x0605) ||
      c == 0x06DD || c == 0x070F || c == 0x08E2 || c == 0x115F || c == 0x1160 ||
      c == 0x17B4 || c == 0x17B5 || (c >= 0x180B && c <= 0x180E) ||
      (c >= 0x200B && c <= 0x200D) || (c >= 0x2060 && c <= 0x2065) ||
      (c >= 0x206A && c <= 0x206F) || c == 0x3164 ||
      (c >= 0xFFF0 && c <= 0xFFFB) || (c >= 0xFE00 && c <= 0xFE0F) ||
      c == 0xFEFF || c == 0xFFA0 || c == 0x110BD || c == 0x110CD ||
      (c >= 0x13430 && c <= 0x13438) || (c >= 0x1BCA0 && c <= 0x1BCA3) ||
      (c >= 0x1D173 && c <= 0x1D17A) || (c >= 0xE0000 && c <= 0xE0FFF))
    return true;
  return false;
}

bool ShouldUnescape(int rules, uint32_t c) {
  if (c < 0x80) {
    if (IsAlwaysUnescapable(c))
      return true;
    if (c == ' ')
      return (rules & kUnescapeSpaces) != 0;
    if (c == '/' || c == '\\')
      return (rules & kUnescapePathSeparators) != 0;
    return c > ' ' &&
           (rules & kUnescapeUrlSpecialCharsExceptPathSeparators) != 0;
  }
  return !IsSpoofingCodePoint(c);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// Reads "%XX" at |index|.
bool UnescapeByteAt(std::string_view text, size_t index, unsigned char* byte) {
  if (index + 3 > text.size())
    return false;
  if (text[index] != '%')
    return false;
  const int hi = HexValue(text[index + 1]);
  const int lo = HexValue(text[index + 2]);
  if (hi < 0 || lo < 0)
    return false;
  *byte = static_cast<unsigned char>(hi * 16 + lo);
  return true;
}

// Reads one escaped UTF-8 character (one to four %XX groups) at |index|.
// Returns its bytes, or an empty string if the escapes do not start a
// well-formed character.
std::string UnescapeCharacterAt(std::string_view text,
                                size_t index,
                                uint32_t* cp) {
  unsigned char byte;
  if (!UnescapeByteAt(text, index, &byte))
    return std::string();
  std::string bytes(1, static_cast<char>(byte));
  if (byte >= 0xC0) {
    while (bytes.size() < 4 &&
           UnescapeByteAt(text, index + bytes.size() * 3, &byte) &&
           (byte & 0xC0) == 0x80) {
      bytes.push_back(static_cast<char>(byte));
    }
  }
  size_t read = 0;
  if (!ReadUtf8(bytes, &read, cp))
    return std::string();
  bytes.resize(read);
  return bytes;
}

}  // namespace

std::string EscapeQueryParamValue(std::string_view text, bool use_plus) {
  std::string out;
  out.reserve(text.size() * 3);
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (use_plus && c == ' ') {
      out.push_back('+');
    } else if (IsQueryParamUnreserved(c)) {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back('%');
      out.push_back(kHexDigits[c >> 4]);
      out.push_back(kHexDigits[c & 0xF]);
    }
  }
  return out;
}

std::string UnescapeUrlComponent(std::string_view text, int rules) {
  if (rules == kUnescapeNone)
    return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    uint32_t cp;
    const std::string bytes = UnescapeCharacterAt(text, i, &cp);
    if (bytes.empty()) {
      // A lone escaped byte that is not UTF-8 is unescaped as is.
      unsigned char byte;
      if (UnescapeByteAt(text, i, &byte)) {
        out.push_back(static_cast<char>(byte));
        i += 3;
        continue;
      }
      if (text[i] == '+' && (rules & kUnescapeReplacePlusWithSpace))
        out.push_back(' ');
      else
        out.push_back(text[i]);
      ++i;
      continue;
    }
    const size_t escaped_len = bytes.size() * 3;
    if (ShouldUnescape(rules, cp))
      out.append(bytes);
    else
      out.append(text.substr(i, escaped_len));
    i += escaped_len;
  }
  return out;
}

std::string UnescapeBinaryUrlComponent(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char byte = 0;
    if (UnescapeByteAt(text, i, &byte)) {
      out.push_back(static_cast<char>(byte));
      i += 2;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

std::u16string UnescapeAndDecodeUtf8UrlComponent(std::string_view text,
                                                 int rules) {
  const std::string unescaped = UnescapeUrlComponent(text, rules);
  std::u16string result;
  if (Utf8ToUtf16(unescaped, &result))
    return result;
  return Utf8ToUtf16(text);
}

std::u16string UriEncode(std::u16string_view text, bool use_plus) {
  return AsciiToUtf16(EscapeQueryParamValue(Utf16ToUtf8(text), use_plus));
}

std::u16string UriDecode(std::u16string_view text,
                         bool convert_to_utf8,
                         int rules) {
  const std::string utf8 = Utf16ToUtf8(text);
  if (convert_to_utf8)
    return UnescapeAndDecodeUtf8UrlComponent(utf8, rules);
  return Utf8ToUtf16(UnescapeUrlComponent(utf8, rules));
}

}  // namespace cefsim::text

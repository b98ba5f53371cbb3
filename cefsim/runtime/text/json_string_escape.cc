#include "text/json_string_escape.h"

#include <cstdint>

#include "text/utf_convert.h"

namespace cefsim::text {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Readable escapes; '<' is escaped so a string cannot close a <script>, the
// separators because JavaScript treats them as line ends.
bool AppendSpecialEscape(uint32_t cp, std::string* dest) {
  switch (cp) {
    case '\b':
      dest->append("\\b");
      return true;
    case '\f':
      dest->append("\\f");
      return true;
    case '\n':
      dest->append("\\n");
      return true;
    case '\r':
      dest->append("\\r");
      return true;
    case '\t':
      dest->append("\\t");
      return true;
    case '\\':
      dest->append("\\\\");
      return true;
    case '"':
      dest->append("\\\"");
      return true;
    case '<':
      dest->append("\\u003C");
      return true;
    case 0x2028:
      dest->append("\\u2028");
      return true;
    case 0x2029:
      dest->append("\\u2029");
      return true;
    default:
      return false;
  }
}

template <typename View, typename Read>
bool EscapeImpl(View str, Read read, bool put_in_quotes, std::string* dest) {
  bool well_formed = true;
  if (put_in_quotes)
    dest->push_back('"');
  size_t i = 0;
  while (i < str.size()) {
    uint32_t cp;
    if (!read(str, &i, &cp))
      well_formed = false;
    if (AppendSpecialEscape(cp, dest))
      continue;
    if (cp < 0x20) {
      dest->append("\\u00");
      dest->push_back(kHexDigits[cp >> 4]);
      dest->push_back(kHexDigits[cp & 0xF]);
    } else {
      AppendUtf8(cp, dest);
    }
  }
  if (put_in_quotes)
    dest->push_back('"');
  return well_formed;
}

}  // namespace

bool EscapeJsonString(std::string_view str,
                      bool put_in_quotes,
                      std::string* dest) {
  return EscapeImpl(str, ReadUtf8, put_in_quotes, dest);
}

bool EscapeJsonString(std::u16string_view str,
                      bool put_in_quotes,
                      std::string* dest) {
  return EscapeImpl(str, ReadUtf16, put_in_quotes, dest);
}

std::string GetQuotedJsonString(std::string_view str) {
  std::string dest;
  EscapeJsonString(str, true, &dest);
  return dest;
}

std::string GetQuotedJsonString(std::u16string_view str) {
  std::string dest;
  EscapeJsonString(str, true, &dest);
  return dest;
}

}  // namespace cefsim::text

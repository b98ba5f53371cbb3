#include "scenario/scenario_route_push.h"

#include <stdint.h>

#include "text/utf_convert.h"

namespace cefsim {
namespace browser {
namespace {

constexpr std::string_view kPushCall = "window.__push";

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

size_t SkipSpace(std::string_view text, size_t index) {
  while (index < text.size() && IsSpace(text[index]))
    ++index;
  return index;
}

// The four hex digits at |index| of |text|.
bool ReadHex4(std::string_view text, size_t index, uint32_t* value) {
  if (index + 4 > text.size())
    return false;
  uint32_t result = 0;
  for (size_t i = index; i < index + 4; ++i) {
    const char c = text[i];
    uint32_t digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return false;
    result = result * 16 + digit;
  }
  *value = result;
  return true;
}

// The character a two-character escape (\" \\ \/ \b \f \n \r \t) stands
// for, given the character after the backslash.
bool ReadShortEscape(char escape, char* unescaped) {
  static constexpr char kEscapes[] = "\"\\/bfnrt";
  static constexpr char kMeanings[] = "\"\\/\b\f\n\r\t";
  for (size_t i = 0; kEscapes[i] != '\0'; ++i) {
    if (kEscapes[i] == escape) {
      *unescaped = kMeanings[i];
      return true;
    }
  }
  return false;
}

bool IsHighSurrogate(uint32_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(uint32_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The \u escape whose 'u' is at |*index|: one UTF-16 unit, or a surrogate
// pair when a second escape follows a high surrogate. Advances |*index|
// past what it used.
bool ReadUnicodeEscape(std::string_view text, size_t* index, uint32_t* cp) {
  uint32_t unit;
  if (!ReadHex4(text, *index + 1, &unit))
    return false;
  *index += 5;
  if (IsHighSurrogate(unit)) {
    uint32_t low;
    if (*index + 1 < text.size() && text[*index] == '\\' &&
        text[*index + 1] == 'u' && ReadHex4(text, *index + 2, &low) &&
        IsLowSurrogate(low)) {
      *index += 6;
      *cp = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
      return true;
    }
    *cp = text::kReplacementCharacter;
    return true;
  }
  *cp = IsLowSurrogate(unit) ? text::kReplacementCharacter : unit;
  return true;
}

}  // namespace

bool DecodeJsonStringLiteral(std::string_view text,
                             std::string* decoded,
                             size_t* length) {
  if (text.empty() || text[0] != '"')
    return false;
  std::string out;
  size_t index = 1;
  while (index < text.size()) {
    const char c = text[index];
    if (c == '"') {
      *decoded = std::move(out);
      *length = index + 1;
      return true;
    }
    if (static_cast<unsigned char>(c) < 0x20)
      return false;
    if (c != '\\') {
      out.push_back(c);
      ++index;
      continue;
    }
    if (++index >= text.size())
      return false;
    if (text[index] == 'u') {
      uint32_t cp;
      if (!ReadUnicodeEscape(text, &index, &cp))
        return false;
      text::AppendUtf8(cp, &out);
      continue;  // |index| is past the escape already.
    }
    char unescaped;
    if (!ReadShortEscape(text[index], &unescaped))
      return false;
    out.push_back(unescaped);
    ++index;
  }
  return false;  // No closing quote.
}

bool ParseRoutePush(std::string_view code, std::string* route) {
  size_t index = SkipSpace(code, 0);
  if (code.substr(index, kPushCall.size()) != kPushCall)
    return false;
  index = SkipSpace(code, index + kPushCall.size());
  if (index >= code.size() || code[index] != '(')
    return false;
  index = SkipSpace(code, index + 1);
  std::string decoded;
  size_t length = 0;
  if (!DecodeJsonStringLiteral(code.substr(index), &decoded, &length))
    return false;
  index = SkipSpace(code, index + length);
  if (index >= code.size() || code[index] != ')')
    return false;
  index = SkipSpace(code, index + 1);
  if (index < code.size() && code[index] == ';')
    index = SkipSpace(code, index + 1);
  if (index != code.size())
    return false;
  *route = std::move(decoded);
  return true;
}

}  // namespace browser
}  // namespace cefsim

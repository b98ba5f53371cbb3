#include "browser/html_entities.h"

#include <stdint.h>

#include "text/utf_convert.h"

namespace cefsim {
namespace browser {
namespace {

struct NamedReference {
  std::string_view name;  // Without '&' and ';'.
  uint32_t code_point;
};

// The names that ordinary page text uses; a page needing others is shown
// with the reference as written.
constexpr NamedReference kNamedReferences[] = {
    {"amp", '&'},      {"lt", '<'},        {"gt", '>'},
    {"quot", '"'},     {"apos", '\''},     {"nbsp", 0x00A0},
    {"copy", 0x00A9},  {"reg", 0x00AE},    {"trade", 0x2122},
    {"deg", 0x00B0},   {"middot", 0x00B7}, {"laquo", 0x00AB},
    {"raquo", 0x00BB}, {"times", 0x00D7},  {"euro", 0x20AC},
    {"pound", 0x00A3}, {"ndash", 0x2013},  {"mdash", 0x2014},
    {"lsquo", 0x2018}, {"rsquo", 0x2019},  {"ldquo", 0x201C},
    {"rdquo", 0x201D}, {"bull", 0x2022},   {"hellip", 0x2026},
    {"larr", 0x2190},  {"rarr", 0x2192},   {"check", 0x2713},
};

constexpr uint32_t kLastCodePoint = 0x10FFFF;
// '&', the longest name of the table and ';'.
constexpr size_t kLongestReference = 8;

bool IsSurrogate(uint32_t cp) {
  return cp >= 0xD800 && cp <= 0xDFFF;
}

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

// "&#...;" at the start of |text|.
size_t DecodeNumeric(std::string_view text, std::string* out) {
  size_t index = 2;
  int base = 10;
  if (index < text.size() && (text[index] == 'x' || text[index] == 'X')) {
    base = 16;
    ++index;
  }
  const size_t digits_start = index;
  uint32_t cp = 0;
  bool too_large = false;
  int digit;
  while (index < text.size() && (digit = DigitValue(text[index], base)) >= 0) {
    cp = cp * base + digit;
    // Stop growing once out of range; the value is replaced anyway.
    if (cp > kLastCodePoint) {
      too_large = true;
      cp = kLastCodePoint + 1;
    }
    ++index;
  }
  if (index == digits_start || index >= text.size() || text[index] != ';')
    return 0;
  if (too_large || cp == 0 || IsSurrogate(cp))
    cp = text::kReplacementCharacter;
  text::AppendUtf8(cp, out);
  return index + 1;
}

}  // namespace

size_t DecodeHtmlCharacterReference(std::string_view text, std::string* out) {
  if (text.size() < 3 || text[0] != '&')
    return 0;
  if (text[1] == '#')
    return DecodeNumeric(text, out);
  // The longest known name is short; looking further only costs time.
  const size_t end = text.substr(0, kLongestReference).find(';', 1);
  if (end == std::string_view::npos)
    return 0;
  const std::string_view name = text.substr(1, end - 1);
  for (const NamedReference& reference : kNamedReferences) {
    if (reference.name == name) {
      text::AppendUtf8(reference.code_point, out);
      return end + 1;
    }
  }
  return 0;
}

}  // namespace browser
}  // namespace cefsim

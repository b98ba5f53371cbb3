#include "json_string.h"

#include <windows.h>

namespace orvtest {

namespace {

bool HexDigits(const std::string& json, size_t at, unsigned* value) {
  if (at + 4 > json.size())
    return false;
  *value = 0;
  for (size_t i = at; i < at + 4; ++i) {
    const char c = json[i];
    *value <<= 4;
    if (c >= '0' && c <= '9')
      *value |= c - '0';
    else if (c >= 'a' && c <= 'f')
      *value |= c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      *value |= c - 'A' + 10;
    else
      return false;
  }
  return true;
}

}  // namespace

bool DecodeJsonString(const std::string& json, std::wstring* text) {
  if (json.size() < 2 || json.front() != '"' || json.back() != '"')
    return false;
  std::string utf8;
  std::wstring out;
  auto flush = [&] {
    if (utf8.empty())
      return;
    const int size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                        &wide[0], size);
    out += wide;
    utf8.clear();
  };
  for (size_t i = 1; i + 1 < json.size(); ++i) {
    const unsigned char c = json[i];
    if (c == '"' || c < 0x20)
      return false;  // Must have been escaped.
    if (c != '\\') {
      utf8 += static_cast<char>(c);
      continue;
    }
    flush();
    if (++i >= json.size() - 1)
      return false;
    switch (json[i]) {
      case '"':
        out += L'"';
        break;
      case '\\':
        out += L'\\';
        break;
      case '/':
        out += L'/';
        break;
      case 'b':
        out += L'\b';
        break;
      case 'f':
        out += L'\f';
        break;
      case 'n':
        out += L'\n';
        break;
      case 'r':
        out += L'\r';
        break;
      case 't':
        out += L'\t';
        break;
      case 'u': {
        unsigned unit = 0;
        if (!HexDigits(json, i + 1, &unit))
          return false;
        out += static_cast<wchar_t>(unit);
        i += 4;
        break;
      }
      default:
        return false;
    }
  }
  flush();
  *text = out;
  return true;
}

}  // namespace orvtest

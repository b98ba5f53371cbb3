// Conversions between UTF-8, UTF-16 and wide strings with the replacement
// behaviour of Chromium's base/strings/utf_string_conversions: every maximal
// ill-formed subsequence becomes one U+FFFD and the conversion reports false.

#ifndef CEFSIM_RUNTIME_TEXT_UTF_CONVERT_H_
#define CEFSIM_RUNTIME_TEXT_UTF_CONVERT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cefsim::text {

constexpr uint32_t kReplacementCharacter = 0xFFFD;

// True for Unicode scalar values (no surrogates, at most U+10FFFF).
constexpr bool IsValidCodePoint(uint32_t cp) {
  return cp < 0xD800 || (cp >= 0xE000 && cp <= 0x10FFFF);
}

// Reads the code point starting at |*index| and advances |*index| past it.
// On ill-formed input advances past the maximal ill-formed subpart (at least
// one unit), sets |*cp| to U+FFFD and returns false.
bool ReadUtf8(std::string_view in, size_t* index, uint32_t* cp);
bool ReadUtf16(std::u16string_view in, size_t* index, uint32_t* cp);

// |cp| must be a valid code point.
void AppendUtf8(uint32_t cp, std::string* out);
void AppendUtf16(uint32_t cp, std::u16string* out);

// Each returns true when the input was well formed. The output is always
// complete, with U+FFFD in place of what could not be decoded.
bool Utf8ToUtf16(std::string_view in, std::u16string* out);
bool Utf16ToUtf8(std::u16string_view in, std::string* out);
bool WideToUtf8(std::wstring_view in, std::string* out);
bool Utf8ToWide(std::string_view in, std::wstring* out);
bool WideToUtf16(std::wstring_view in, std::u16string* out);
bool Utf16ToWide(std::u16string_view in, std::wstring* out);

std::u16string Utf8ToUtf16(std::string_view in);
std::string Utf16ToUtf8(std::u16string_view in);

// Widens 7-bit input unit by unit; bytes above 0x7F are widened unchanged,
// which is what Chromium does once its debug check is compiled out.
std::u16string AsciiToUtf16(std::string_view in);
std::wstring AsciiToWide(std::string_view in);

bool IsStringUtf8(std::string_view in);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_UTF_CONVERT_H_

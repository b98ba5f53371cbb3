// The C string functions of libcef.dll: setting, clearing, comparing and
// converting CEF's three string structures, and the user-free strings that
// CEF hands to its callers.
#include <windows.h>

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include <algorithm>
#include <string>

#include "include/internal/cef_string_types.h"
#include "text/utf_convert.h"

namespace {

template <class Char>
void FreeString(Char* str) {
  free(str);
}

// The shared body of the three *_set functions. With |copy| the text is
// duplicated (and terminated) under a destructor of this module; without it
// the structure points at the caller's text and owns nothing.
template <class Char, class StringStruct>
int SetString(const Char* src,
              size_t src_len,
              StringStruct* output,
              int copy,
              void (*clear)(StringStruct*)) {
  clear(output);
  if (copy) {
    if (src && src_len > 0) {
      output->str = static_cast<Char*>(malloc((src_len + 1) * sizeof(Char)));
      if (!output->str)
        return 0;
      memcpy(output->str, src, src_len * sizeof(Char));
      output->str[src_len] = 0;
      output->length = src_len;
      output->dtor = FreeString<Char>;
    }
  } else {
    output->str = const_cast<Char*>(src);
    output->length = src_len;
    output->dtor = nullptr;
  }
  return 1;
}

template <class StringStruct>
void ClearString(StringStruct* str) {
  if (!str)
    return;
  if (str->str && str->dtor)
    str->dtor(str->str);
  str->str = nullptr;
  str->length = 0;
  str->dtor = nullptr;
}

// Orders by the first differing unit, then by length, as CEF does.
template <class StringStruct>
int CompareStrings(const StringStruct* str1, const StringStruct* str2) {
  if (str1->length == 0 && str2->length == 0)
    return 0;
  const size_t common = std::min(str1->length, str2->length);
  for (size_t i = 0; i < common; ++i) {
    if (str1->str[i] != str2->str[i])
      return str1->str[i] < str2->str[i] ? -1 : 1;
  }
  if (str1->length == str2->length)
    return 0;
  return str1->length < str2->length ? -1 : 1;
}

std::u16string_view Utf16View(const char16* src, size_t src_len) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(src),
                             src ? src_len : 0);
}

template <class Char>
std::basic_string_view<Char> View(const Char* src, size_t src_len) {
  return std::basic_string_view<Char>(src, src ? src_len : 0);
}

int SetUtf16(const std::u16string& text, cef_string_utf16_t* output) {
  return cef_string_utf16_set(reinterpret_cast<const char16*>(text.data()),
                              text.size(), output, 1);
}

// Case mapping unit by unit through the system's tables; surrogate pairs
// are left as they are.
int MapCase(const char16* src,
            size_t src_len,
            cef_string_utf16_t* output,
            bool to_upper) {
  std::wstring text(View(src, src_len));
  if (!text.empty()) {
    if (to_upper)
      CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    else
      CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
  }
  return cef_string_utf16_set(text.data(), text.size(), output, 1);
}

}  // namespace

int cef_string_wide_set(const wchar_t* src,
                        size_t src_len,
                        cef_string_wide_t* output,
                        int copy) {
  return SetString(src, src_len, output, copy, cef_string_wide_clear);
}

int cef_string_utf8_set(const char* src,
                        size_t src_len,
                        cef_string_utf8_t* output,
                        int copy) {
  return SetString(src, src_len, output, copy, cef_string_utf8_clear);
}

int cef_string_utf16_set(const char16* src,
                         size_t src_len,
                         cef_string_utf16_t* output,
                         int copy) {
  return SetString(src, src_len, output, copy, cef_string_utf16_clear);
}

void cef_string_wide_clear(cef_string_wide_t* str) {
  ClearString(str);
}

void cef_string_utf8_clear(cef_string_utf8_t* str) {
  ClearString(str);
}

void cef_string_utf16_clear(cef_string_utf16_t* str) {
  ClearString(str);
}

int cef_string_wide_cmp(const cef_string_wide_t* str1,
                        const cef_string_wide_t* str2) {
  return CompareStrings(str1, str2);
}

int cef_string_utf8_cmp(const cef_string_utf8_t* str1,
                        const cef_string_utf8_t* str2) {
  // Bytes compare as unsigned, as memcmp does.
  if (str1->length == 0 && str2->length == 0)
    return 0;
  const size_t common = std::min(str1->length, str2->length);
  const int result = memcmp(str1->str, str2->str, common);
  if (result != 0)
    return result < 0 ? -1 : 1;
  if (str1->length == str2->length)
    return 0;
  return str1->length < str2->length ? -1 : 1;
}

int cef_string_utf16_cmp(const cef_string_utf16_t* str1,
                         const cef_string_utf16_t* str2) {
  return CompareStrings(str1, str2);
}

int cef_string_wide_to_utf8(const wchar_t* src,
                            size_t src_len,
                            cef_string_utf8_t* output) {
  std::string text;
  const bool well_formed = cefsim::text::WideToUtf8(View(src, src_len), &text);
  if (!cef_string_utf8_set(text.data(), text.size(), output, 1))
    return 0;
  return well_formed;
}

int cef_string_utf8_to_wide(const char* src,
                            size_t src_len,
                            cef_string_wide_t* output) {
  std::wstring text;
  const bool well_formed = cefsim::text::Utf8ToWide(View(src, src_len), &text);
  if (!cef_string_wide_set(text.data(), text.size(), output, 1))
    return 0;
  return well_formed;
}

int cef_string_wide_to_utf16(const wchar_t* src,
                             size_t src_len,
                             cef_string_utf16_t* output) {
  std::u16string text;
  const bool well_formed = cefsim::text::WideToUtf16(View(src, src_len), &text);
  if (!SetUtf16(text, output))
    return 0;
  return well_formed;
}

int cef_string_utf16_to_wide(const char16* src,
                             size_t src_len,
                             cef_string_wide_t* output) {
  std::wstring text;
  const bool well_formed =
      cefsim::text::Utf16ToWide(Utf16View(src, src_len), &text);
  if (!cef_string_wide_set(text.data(), text.size(), output, 1))
    return 0;
  return well_formed;
}

int cef_string_utf8_to_utf16(const char* src,
                             size_t src_len,
                             cef_string_utf16_t* output) {
  std::u16string text;
  const bool well_formed = cefsim::text::Utf8ToUtf16(View(src, src_len), &text);
  if (!SetUtf16(text, output))
    return 0;
  return well_formed;
}

int cef_string_utf16_to_utf8(const char16* src,
                             size_t src_len,
                             cef_string_utf8_t* output) {
  std::string text;
  const bool well_formed =
      cefsim::text::Utf16ToUtf8(Utf16View(src, src_len), &text);
  if (!cef_string_utf8_set(text.data(), text.size(), output, 1))
    return 0;
  return well_formed;
}

int cef_string_ascii_to_wide(const char* src,
                             size_t src_len,
                             cef_string_wide_t* output) {
  const std::wstring text = cefsim::text::AsciiToWide(View(src, src_len));
  return cef_string_wide_set(text.data(), text.size(), output, 1);
}

int cef_string_ascii_to_utf16(const char* src,
                              size_t src_len,
                              cef_string_utf16_t* output) {
  return SetUtf16(cefsim::text::AsciiToUtf16(View(src, src_len)), output);
}

cef_string_userfree_wide_t cef_string_userfree_wide_alloc(void) {
  return static_cast<cef_string_userfree_wide_t>(
      calloc(1, sizeof(cef_string_wide_t)));
}

cef_string_userfree_utf8_t cef_string_userfree_utf8_alloc(void) {
  return static_cast<cef_string_userfree_utf8_t>(
      calloc(1, sizeof(cef_string_utf8_t)));
}

cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void) {
  return static_cast<cef_string_userfree_utf16_t>(
      calloc(1, sizeof(cef_string_utf16_t)));
}

void cef_string_userfree_wide_free(cef_string_userfree_wide_t str) {
  cef_string_wide_clear(str);
  free(str);
}

void cef_string_userfree_utf8_free(cef_string_userfree_utf8_t str) {
  cef_string_utf8_clear(str);
  free(str);
}

void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str) {
  cef_string_utf16_clear(str);
  free(str);
}

int cef_string_utf16_to_lower(const char16* src,
                              size_t src_len,
                              cef_string_utf16_t* output) {
  return MapCase(src, src_len, output, /*to_upper=*/false);
}

int cef_string_utf16_to_upper(const char16* src,
                              size_t src_len,
                              cef_string_utf16_t* output) {
  return MapCase(src, src_len, output, /*to_upper=*/true);
}

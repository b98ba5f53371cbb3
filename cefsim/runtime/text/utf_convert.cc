#include "text/utf_convert.h"

namespace cefsim::text {

namespace {

constexpr bool IsTrail(uint8_t b) {
  return (b & 0xC0) == 0x80;
}

// wchar_t is UTF-16 on Windows, the only target; a 32-bit wchar_t (the build
// machine) is treated as UTF-32 so host-side tools behave sensibly.
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

template <typename Src, typename Read, typename Append, typename Dest>
bool Convert(Src in, Read read, Append append, Dest* out) {
  out->clear();
  out->reserve(in.size());
  bool ok = true;
  size_t i = 0;
  while (i < in.size()) {
    uint32_t cp;
    if (!read(in, &i, &cp))
      ok = false;
    append(cp, out);
  }
  return ok;
}

bool ReadUtf32(std::wstring_view in, size_t* index, uint32_t* cp) {
  uint32_t c = static_cast<uint32_t>(in[(*index)++]);
  if (!IsValidCodePoint(c)) {
    *cp = kReplacementCharacter;
    return false;
  }
  *cp = c;
  return true;
}

void AppendWide(uint32_t cp, std::wstring* out) {
  if (kWideIsUtf16) {
    std::u16string tmp;
    AppendUtf16(cp, &tmp);
    out->append(tmp.begin(), tmp.end());
  } else {
    out->push_back(static_cast<wchar_t>(cp));
  }
}

std::u16string_view AsUtf16(std::wstring_view in) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(in.data()),
                             in.size());
}

}  // namespace

bool ReadUtf8(std::string_view in, size_t* index, uint32_t* cp) {
  const size_t start = *index;
  const uint8_t lead = static_cast<uint8_t>(in[start]);
  *index = start + 1;
  if (lead < 0x80) {
    *cp = lead;
    return true;
  }
  // The permitted range of the second byte depends on the lead byte; this
  // is what rules out overlong forms, surrogates and values past U+10FFFF.
  int trail_count;
  uint8_t second_min = 0x80, second_max = 0xBF;
  uint32_t value;
  if (lead >= 0xC2 && lead <= 0xDF) {
    trail_count = 1;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    trail_count = 2;
    value = lead & 0x0F;
    if (lead == 0xE0)
      second_min = 0xA0;
    else if (lead == 0xED)
      second_max = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    trail_count = 3;
    value = lead & 0x07;
    if (lead == 0xF0)
      second_min = 0x90;
    else if (lead == 0xF4)
      second_max = 0x8F;
  } else {
    *cp = kReplacementCharacter;
    return false;
  }
  for (int n = 0; n < trail_count; ++n) {
    if (*index >= in.size()) {
      *cp = kReplacementCharacter;
      return false;
    }
    const uint8_t b = static_cast<uint8_t>(in[*index]);
    const bool fits =
        n == 0 ? (b >= second_min && b <= second_max) : IsTrail(b);
    if (!fits) {
      *cp = kReplacementCharacter;
      return false;
    }
    value = (value << 6) | (b & 0x3F);
    ++*index;
  }
  *cp = value;
  return true;
}

bool ReadUtf16(std::u16string_view in, size_t* index, uint32_t* cp) {
  const uint32_t unit = in[(*index)++];
  if (unit < 0xD800 || unit > 0xDFFF) {
    *cp = unit;
    return true;
  }
  if (unit <= 0xDBFF && *index < in.size()) {
    const uint32_t low = in[*index];
    if (low >= 0xDC00 && low <= 0xDFFF) {
      ++*index;
      *cp = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
      return true;
    }
  }
  *cp = kReplacementCharacter;
  return false;
}

void AppendUtf8(uint32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

void AppendUtf16(uint32_t cp, std::u16string* out) {
  if (cp < 0x10000) {
    out->push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out->push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out->push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

bool Utf8ToUtf16(std::string_view in, std::u16string* out) {
  return Convert(in, ReadUtf8, AppendUtf16, out);
}

bool Utf16ToUtf8(std::u16string_view in, std::string* out) {
  return Convert(in, ReadUtf16, AppendUtf8, out);
}

bool WideToUtf8(std::wstring_view in, std::string* out) {
  if (kWideIsUtf16)
    return Utf16ToUtf8(AsUtf16(in), out);
  return Convert(in, ReadUtf32, AppendUtf8, out);
}

bool Utf8ToWide(std::string_view in, std::wstring* out) {
  return Convert(in, ReadUtf8, AppendWide, out);
}

bool WideToUtf16(std::wstring_view in, std::u16string* out) {
  if (kWideIsUtf16) {
    // Same encoding: Chromium copies without checking, and so do we.
    out->assign(AsUtf16(in));
    return true;
  }
  return Convert(in, ReadUtf32, AppendUtf16, out);
}

bool Utf16ToWide(std::u16string_view in, std::wstring* out) {
  if (kWideIsUtf16) {
    out->assign(in.begin(), in.end());
    return true;
  }
  return Convert(in, ReadUtf16, AppendWide, out);
}

std::u16string Utf8ToUtf16(std::string_view in) {
  std::u16string out;
  Utf8ToUtf16(in, &out);
  return out;
}

std::string Utf16ToUtf8(std::u16string_view in) {
  std::string out;
  Utf16ToUtf8(in, &out);
  return out;
}

std::u16string AsciiToUtf16(std::string_view in) {
  std::u16string out;
  out.reserve(in.size());
  for (char c : in)
    out.push_back(static_cast<unsigned char>(c));
  return out;
}

std::wstring AsciiToWide(std::string_view in) {
  std::wstring out;
  out.reserve(in.size());
  for (char c : in)
    out.push_back(static_cast<unsigned char>(c));
  return out;
}

bool IsStringUtf8(std::string_view in) {
  size_t i = 0;
  uint32_t cp;
  while (i < in.size()) {
    if (!ReadUtf8(in, &i, &cp))
      return false;
  }
  return true;
}

}  // namespace cefsim::text

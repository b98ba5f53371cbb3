#include "text/url_canon_host.h"

#include <algorithm>
#include <type_traits>

#include "text/idna.h"
#include "text/url_canon_escape.h"
#include "text/url_canon_ip.h"
#include "text/utf_convert.h"

namespace cefsim::text {

namespace {

// What each 7-bit character becomes in a host: itself (lower-cased),
// kEscape (kept but percent-escaped) or 0 (makes the host invalid). Space
// and most punctuation are kept escaped, as Chromium 109 still does.
constexpr unsigned char kEscape = 0xFF;
constexpr unsigned char E = kEscape;
// clang-format off
constexpr unsigned char kHostChars[0x80] = {
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  // ' ' !  "  #  $  %  &  '  (  )  *  +    ,  -    .    /
     E, E, E, E, E, 0, E, E, E, E, E, '+', E, '-', '.', 0,
  '0', '1', '2', '3', '4', '5', '6', '7', '8', '9',
  // :  ;  <  =  >  ?
  ':', 0, E, E, E, 0,
  // @
  E,
  'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o',
  'p', 'q', 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z',
  // [   \  ]    ^  _
  '[', 0, ']', 0, '_',
  // `
  E,
  'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o',
  'p', 'q', 'r', 's', 't', 'u', 'v', 'w', 'x', 'y', 'z',
  // {  |  }  ~  DEL
     E, E, E, 0, 0,
};
// clang-format on

// Unescapes, lower-cases and checks the 7-bit characters of |host|; other
// units are copied (UTF-8 bytes or UTF-16 units) and flagged. Returns false
// for characters a host may not hold or broken escapes.
template <typename Char, typename OutString>
bool SimpleHost(const Char* host,
                size_t len,
                OutString* out,
                bool* has_non_ascii) {
  *has_non_ascii = false;
  bool ok = true;
  for (size_t i = 0; i < len; ++i) {
    unsigned int c = static_cast<std::make_unsigned_t<Char>>(host[i]);
    if (c == '%') {
      unsigned char decoded;
      if (!DecodeEscaped(host, len, &i, &decoded)) {
        AppendEscapedByte('%', out);
        ok = false;
        continue;
      }
      c = decoded;
    }
    if (c < 0x80) {
      const unsigned char replacement = kHostChars[c];
      if (!replacement) {
        AppendEscapedByte(static_cast<unsigned char>(c), out);
        ok = false;
      } else if (replacement == kEscape) {
        AppendEscapedByte(static_cast<unsigned char>(c), out);
      } else {
        out->push_back(
            static_cast<typename OutString::value_type>(replacement));
      }
    } else {
      out->push_back(static_cast<typename OutString::value_type>(c));
      *has_non_ascii = true;
    }
  }
  return ok;
}

// Non-ASCII host: a first ASCII pass (whose verdict Chromium ignores here),
// UTS #46 to ASCII, then the ASCII pass again on the result.
bool IdnHost(const std::u16string& host, std::string* ascii) {
  std::u16string escaped;
  bool has_non_ascii;
  SimpleHost(host.data(), host.size(), &escaped, &has_non_ascii);
  std::u16string idn;
  if (!IdnToAscii(escaped, &idn))
    return false;
  std::string result;
  const bool ok = SimpleHost(idn.data(), idn.size(), &result, &has_non_ascii);
  if (has_non_ascii)
    return false;
  *ascii = std::move(result);
  return ok;
}

bool ComplexHost(std::string_view host, bool has_escaped, std::string* ascii) {
  std::string utf8(host);
  bool escapes_ok = true;
  if (has_escaped) {
    // Unescape first: the escapes may have spelled UTF-8.
    std::string unescaped;
    bool has_non_ascii;
    escapes_ok =
        SimpleHost(host.data(), host.size(), &unescaped, &has_non_ascii);
    if (!has_non_ascii) {
      *ascii = std::move(unescaped);
      return escapes_ok;
    }
    utf8 = std::move(unescaped);
  }
  std::u16string utf16;
  if (!Utf8ToUtf16(utf8, &utf16))
    return false;
  return IdnHost(utf16, ascii) && escapes_ok;
}

}  // namespace

bool CanonicalizeHost(std::string_view host, std::string* out) {
  if (host.empty())
    return true;
  const bool has_non_ascii = std::any_of(host.begin(), host.end(), [](char c) {
    return static_cast<unsigned char>(c) >= 0x80;
  });
  const bool has_escaped = host.find('%') != std::string_view::npos;
  std::string canonical;
  bool ok;
  if (!has_non_ascii && !has_escaped) {
    bool unused;
    ok = SimpleHost(host.data(), host.size(), &canonical, &unused);
  } else {
    ok = ComplexHost(host, has_escaped, &canonical);
  }
  if (!ok)
    return false;
  std::string ip;
  switch (CanonicalizeIPAddress(canonical, &ip)) {
    case HostFamily::kBroken:
      return false;
    case HostFamily::kIPv4:
    case HostFamily::kIPv6:
      out->append(ip);
      return true;
    case HostFamily::kNeutral:
      out->append(canonical);
      return true;
  }
  return false;
}

}  // namespace cefsim::text

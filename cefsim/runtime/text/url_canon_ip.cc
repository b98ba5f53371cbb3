#include "text/url_canon_ip.h"

#include <vector>

#include "text/url_canon_escape.h"

namespace cefsim::text {

namespace {

// One dot-separated part of an IPv4 address.
HostFamily IPv4ComponentToNumber(std::string_view part, uint32_t* number) {
  if (part.empty())
    return HostFamily::kNeutral;
  CharClass digit_class = kCharDec;
  int base = 10;
  size_t prefix = 0;
  if (part[0] == '0' && part.size() > 1) {
    if (part[1] == 'x' || part[1] == 'X') {
      digit_class = kCharHex;
      base = 16;
      prefix = 2;
    } else {
      digit_class = kCharOct;
      base = 8;
      prefix = 1;
    }
  }
  // Decimal digits that are not octal make an all-numeric part broken rather
  // than a host name.
  bool bad_octal = false;
  uint64_t value = 0;
  bool overflow = false;
  for (size_t i = prefix; i < part.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(part[i]);
    if (!IsCharOfClass(c, digit_class)) {
      if (IsCharOfClass(c, kCharDec)) {
        bad_octal = true;
        continue;
      }
      return HostFamily::kNeutral;
    }
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else
      digit = c - 'A' + 10;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFull) {
      overflow = true;
      value = 0xFFFFFFFFull + 1;
    }
  }
  if (bad_octal || overflow)
    return HostFamily::kBroken;
  *number = static_cast<uint32_t>(value);
  return HostFamily::kIPv4;
}

bool IsHexDigit(char c) {
  return IsCharOfClass(static_cast<unsigned char>(c), kCharHex);
}

}  // namespace

HostFamily IPv4AddressToNumber(std::string_view host, uint8_t address[4]) {
  if (!host.empty() && host.back() == '.')
    host.remove_suffix(1);
  if (host.empty())
    return HostFamily::kNeutral;

  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    const size_t dot = host.find('.', start);
    parts.push_back(host.substr(start, dot == std::string_view::npos
                                           ? std::string_view::npos
                                           : dot - start));
    if (dot == std::string_view::npos)
      break;
    start = dot + 1;
  }

  // The last part decides whether this is meant as an address at all.
  uint32_t values[4] = {};
  int count = 0;
  for (size_t n = parts.size(); n-- > 0;) {
    uint32_t value = 0;
    const HostFamily family = IPv4ComponentToNumber(parts[n], &value);
    if (family == HostFamily::kNeutral && count == 0)
      return HostFamily::kNeutral;
    if (family != HostFamily::kIPv4)
      return HostFamily::kBroken;
    if (count == 4)
      return HostFamily::kBroken;
    values[count++] = value;
  }

  // values[0] is the last part; the others are single bytes.
  for (int i = count - 1; i > 0; --i) {
    if (values[i] > 0xFF)
      return HostFamily::kBroken;
    address[count - 1 - i] = static_cast<uint8_t>(values[i]);
  }
  uint64_t last = values[0];
  for (int i = 3; i >= count - 1; --i) {
    address[i] = static_cast<uint8_t>(last & 0xFF);
    last >>= 8;
  }
  if (last != 0)
    return HostFamily::kBroken;
  return HostFamily::kIPv4;
}

bool IPv6AddressToNumber(std::string_view host, uint8_t address[16]) {
  if (host.size() < 2 || host.front() != '[' || host.back() != ']')
    return false;
  const std::string_view body = host.substr(1, host.size() - 2);
  if (body.empty())
    return false;

  // Split into hex groups, note where "::" stands and whether the text ends
  // in dotted IPv4.
  std::vector<uint16_t> groups;
  int contraction = -1;
  std::string_view ipv4;
  const size_t end = body.size();
  size_t group_begin = 0;
  for (size_t i = 0;; ++i) {
    const bool at_end = i == end;
    const bool is_colon = !at_end && body[i] == ':';
    const bool is_contraction = is_colon && i + 1 < end && body[i + 1] == ':';
    if (is_colon || at_end) {
      const size_t len = i - group_begin;
      if (len > 4)
        return false;
      if (len == 0) {
        // Only "::" at the very start or end may leave a group empty.
        const bool leading = is_contraction && i == 0;
        const bool trailing =
            at_end && contraction == static_cast<int>(groups.size());
        if (!leading && !trailing)
          return false;
      } else {
        if (groups.size() >= 8)
          return false;
        uint16_t value = 0;
        for (size_t k = group_begin; k < i; ++k) {
          const char c = body[k];
          const int digit = c <= '9'   ? c - '0'
                            : c >= 'a' ? c - 'a' + 10
                                       : c - 'A' + 10;
          value = static_cast<uint16_t>(value * 16 + digit);
        }
        groups.push_back(value);
      }
    }
    if (at_end)
      break;
    if (is_contraction) {
      if (contraction != -1)
        return false;
      contraction = static_cast<int>(groups.size());
      ++i;
    }
    if (is_colon) {
      group_begin = i + 1;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(body[i]);
    if (c >= 0x80)
      return false;
    if (!IsHexDigit(body[i])) {
      if (!IsCharOfClass(c, kCharIPv4))
        return false;
      // Dotted IPv4 can only come last: the rest of the text is one.
      ipv4 = body.substr(group_begin);
      break;
    }
  }

  int bytes = static_cast<int>(groups.size()) * 2 + (ipv4.empty() ? 0 : 4);
  int contraction_bytes = 0;
  if (contraction != -1) {
    contraction_bytes = 16 - bytes;
    if (contraction_bytes < 2)
      contraction_bytes = 2;
  }
  if (bytes + contraction_bytes != 16)
    return false;

  int pos = 0;
  for (size_t g = 0; g <= groups.size(); ++g) {
    if (static_cast<int>(g) == contraction) {
      for (int k = 0; k < contraction_bytes; ++k)
        address[pos++] = 0;
    }
    if (g < groups.size()) {
      address[pos++] = static_cast<uint8_t>(groups[g] >> 8);
      address[pos++] = static_cast<uint8_t>(groups[g] & 0xFF);
    }
  }
  if (!ipv4.empty()) {
    if (IPv4AddressToNumber(ipv4, &address[pos]) != HostFamily::kIPv4)
      return false;
  }
  return true;
}

std::string IPv4ToString(const uint8_t address[4]) {
  std::string out;
  for (int i = 0; i < 4; ++i) {
    if (i)
      out.push_back('.');
    out += std::to_string(address[i]);
  }
  return out;
}

std::string IPv6ToString(const uint8_t address[16]) {
  // Longest run of zero groups longer than one group; first wins a tie.
  int best_begin = -1, best_len = 0;
  int run_begin = -1, run_len = 0;
  for (int i = 0; i < 16; i += 2) {
    const bool zero = address[i] == 0 && address[i + 1] == 0;
    if (zero) {
      if (run_begin < 0) {
        run_begin = i;
        run_len = 0;
      }
      run_len += 2;
    }
    if (!zero || i == 14) {
      if (run_begin >= 0 && run_len > 2 && run_len > best_len) {
        best_begin = run_begin;
        best_len = run_len;
      }
      run_begin = -1;
      run_len = 0;
    }
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (int i = 0; i <= 14;) {
    if (i == best_begin) {
      if (i == 0)
        out.push_back(':');
      out.push_back(':');
      i += best_len;
      continue;
    }
    const int value = address[i] << 8 | address[i + 1];
    std::string digits;
    for (int shift = 12; shift >= 0; shift -= 4) {
      const int d = (value >> shift) & 0xF;
      if (d || !digits.empty() || shift == 0)
        digits.push_back(kHex[d]);
    }
    out += digits;
    i += 2;
    if (i < 16)
      out.push_back(':');
  }
  return out;
}

HostFamily CanonicalizeIPAddress(std::string_view host,
                                 std::string* canonical) {
  uint8_t v4[4];
  const HostFamily family = IPv4AddressToNumber(host, v4);
  if (family == HostFamily::kIPv4) {
    *canonical = IPv4ToString(v4);
    return family;
  }
  if (family == HostFamily::kBroken)
    return family;
  uint8_t v6[16];
  if (IPv6AddressToNumber(host, v6)) {
    *canonical = "[" + IPv6ToString(v6) + "]";
    return HostFamily::kIPv6;
  }
  // Brackets and colons belong to IPv6 only.
  if (host.find_first_of("[]:") != std::string_view::npos)
    return HostFamily::kBroken;
  return HostFamily::kNeutral;
}

}  // namespace cefsim::text

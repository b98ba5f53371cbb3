// Recognition and canonical spelling of IPv4 and IPv6 hosts.

#ifndef CEFSIM_RUNTIME_TEXT_URL_CANON_IP_H_
#define CEFSIM_RUNTIME_TEXT_URL_CANON_IP_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace cefsim::text {

enum class HostFamily {
  kNeutral,  // Not an IP address: a host name.
  kIPv4,
  kIPv6,
  kBroken,  // Looks like an IP address but is not a valid one.
};

// IPv4 in every spelling GURL accepts: one to four dot-separated numbers,
// each decimal, octal (leading 0) or hex (0x), the last filling the
// remaining bytes; one trailing dot is allowed. A host whose last label is
// not a number is a host name; one whose last label is a number but which
// does not make an address (bad digits, overflow, five parts) is broken.
HostFamily IPv4AddressToNumber(std::string_view host, uint8_t address[4]);

// IPv6 literal including the brackets, with "::" and an embedded IPv4 tail.
bool IPv6AddressToNumber(std::string_view host, uint8_t address[16]);

// Dotted decimal.
std::string IPv4ToString(const uint8_t address[4]);
// Lower-case hex without leading zeros, the longest run of two or more zero
// groups (the first on a tie) contracted to "::"; no brackets.
std::string IPv6ToString(const uint8_t address[16]);

// Classifies an already canonicalized host and, for addresses, sets
// |canonical| to their canonical spelling (IPv6 in brackets).
HostFamily CanonicalizeIPAddress(std::string_view host, std::string* canonical);

}  // namespace cefsim::text

#endif  // CEFSIM_RUNTIME_TEXT_URL_CANON_IP_H_

#include "text/idna.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "text/punycode.h"
#include "text/unicode_normalize.h"
#include "text/utf_convert.h"

namespace cefsim::text {

namespace {

enum MappingKind : uint8_t {
  V,  // valid
  I,  // ignored: dropped from the output
  X,  // disallowed
  D,  // mapped to cp + value
  A,  // even offsets from the run start map to cp + 1, odd ones are valid
  S,  // mapped to kMappingStrings[value >> 8], (value & 0xFF) units long
};

struct MappingRun {
  uint32_t first;
  uint32_t last;
  MappingKind kind;
  int32_t value;
};

#include "text/idna_mapping_table.inc"

constexpr size_t kMaxLabelLength = 63;
constexpr size_t kMaxNameLength = 253;

const MappingRun* FindRun(char32_t cp) {
  const auto* it = std::upper_bound(
      std::begin(kMappingRuns), std::end(kMappingRuns), cp,
      [](char32_t c, const MappingRun& r) { return c < r.first; });
  if (it == std::begin(kMappingRuns))
    return nullptr;
  --it;
  return cp <= it->last ? it : nullptr;
}

bool IsNoncharacter(char32_t cp) {
  return (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFE) == 0xFFFE;
}

// Applies the mapping to one code point; false if it is disallowed.
bool MapCodePoint(char32_t cp, std::u32string* out) {
  if (cp > 0xFFFF) {
    if (IsNoncharacter(cp) || cp > 0x10FFFF)
      return false;
    out->push_back(cp);
    return true;
  }
  const MappingRun* run = FindRun(cp);
  if (!run)
    return false;
  switch (run->kind) {
    case V:
      out->push_back(cp);
      return true;
    case I:
      return true;
    case X:
      return false;
    case D:
      out->push_back(
          static_cast<char32_t>(static_cast<int32_t>(cp) + run->value));
      return true;
    case A:
      out->push_back((cp - run->first) % 2 == 0 ? cp + 1 : cp);
      return true;
    case S: {
      const std::u16string_view units(kMappingStrings + (run->value >> 8),
                                      static_cast<size_t>(run->value & 0xFF));
      size_t i = 0;
      while (i < units.size()) {
        uint32_t mapped;
        ReadUtf16(units, &i, &mapped);
        out->push_back(mapped);
      }
      return true;
    }
  }
  return false;
}

// Valid as it stands in a label: what the mapping keeps unchanged. Deviation
// characters are valid inside Punycode labels.
bool IsValidInLabel(char32_t cp) {
  if (cp == 0x00DF || cp == 0x03C2 || cp == 0x200C || cp == 0x200D)
    return true;
  std::u32string mapped;
  return MapCodePoint(cp, &mapped) && mapped.size() == 1 && mapped[0] == cp;
}

bool HasHyphenProblem(const std::u32string& label) {
  if (label.empty())
    return false;
  if (label.front() == '-' || label.back() == '-')
    return true;
  return label.size() >= 4 && label[2] == '-' && label[3] == '-';
}

bool IsAscii(const std::u32string& s) {
  return std::all_of(s.begin(), s.end(), [](char32_t c) { return c < 0x80; });
}

bool StartsWithAcePrefix(const std::u32string& s) {
  return s.size() >= 4 && s[0] == 'x' && s[1] == 'n' && s[2] == '-' &&
         s[3] == '-';
}

// Validates one mapped, normalized label and appends its ASCII form.
bool ProcessLabel(const std::u32string& label, std::string* out) {
  if (StartsWithAcePrefix(label)) {
    if (!IsAscii(label))
      return false;
    std::string ace(label.begin() + 4, label.end());
    std::u32string decoded;
    if (ace.empty() || !PunycodeDecode(ace, &decoded))
      return false;
    if (NormalizeNfc(decoded) != decoded || HasHyphenProblem(decoded) ||
        (!decoded.empty() && IsCombiningMark(decoded.front())))
      return false;
    for (char32_t c : decoded) {
      if (!IsValidInLabel(c) || c == '.')
        return false;
    }
    out->append(label.begin(), label.end());
    return true;
  }
  if (HasHyphenProblem(label))
    return false;
  if (!label.empty() && IsCombiningMark(label.front()))
    return false;
  if (IsAscii(label)) {
    out->append(label.begin(), label.end());
    return true;
  }
  std::string encoded;
  if (!PunycodeEncode(label, &encoded))
    return false;
  out->append("xn--");
  out->append(encoded);
  return true;
}

}  // namespace

bool IdnToAscii(std::u16string_view host, std::u16string* ascii) {
  std::u32string mapped;
  size_t i = 0;
  while (i < host.size()) {
    uint32_t cp;
    if (!ReadUtf16(host, &i, &cp))
      return false;
    if (!MapCodePoint(cp, &mapped))
      return false;
  }
  const std::u32string normalized = NormalizeNfc(mapped);

  std::vector<std::u32string> labels(1);
  for (char32_t c : normalized) {
    if (c == '.')
      labels.emplace_back();
    else
      labels.back().push_back(c);
  }

  std::string result;
  for (size_t n = 0; n < labels.size(); ++n) {
    const bool last = n + 1 == labels.size();
    if (labels[n].empty()) {
      // Only the root label after a trailing dot may be empty.
      if (!last || n == 0)
        return false;
      break;
    }
    const size_t before = result.size();
    if (!ProcessLabel(labels[n], &result))
      return false;
    if (result.size() - before > kMaxLabelLength)
      return false;
    if (!last)
      result.push_back('.');
  }
  const size_t name_length = !result.empty() && result.back() == '.'
                                 ? result.size() - 1
                                 : result.size();
  if (name_length > kMaxNameLength)
    return false;
  ascii->assign(result.begin(), result.end());
  return true;
}

}  // namespace cefsim::text

#include "text/unicode_normalize.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace cefsim::text {

namespace {

struct Decomposition {
  uint16_t composed;
  uint16_t first;
  uint16_t second;  // 0 for a one-code-point decomposition.
  uint8_t recomposes;
};

struct CombiningClassRun {
  uint16_t first;
  uint16_t last;
  uint8_t ccc;
};

struct CodePointRange {
  uint16_t first;
  uint16_t last;
};

#include "text/unicode_normalization_table.inc"

// Hangul syllables decompose and compose by arithmetic.
constexpr char32_t kSBase = 0xAC00, kLBase = 0x1100, kVBase = 0x1161,
                   kTBase = 0x11A7;
constexpr int kLCount = 19, kVCount = 21, kTCount = 28;
constexpr int kNCount = kVCount * kTCount, kSCount = kLCount * kNCount;

const Decomposition* FindDecomposition(char32_t cp) {
  if (cp > 0xFFFF)
    return nullptr;
  const auto* it = std::lower_bound(
      std::begin(kDecompositions), std::end(kDecompositions), cp,
      [](const Decomposition& d, char32_t c) { return d.composed < c; });
  if (it == std::end(kDecompositions) || it->composed != cp)
    return nullptr;
  return it;
}

int CombiningClass(char32_t cp) {
  if (cp > 0xFFFF)
    return 0;
  const auto* it = std::upper_bound(
      std::begin(kCombiningClasses), std::end(kCombiningClasses), cp,
      [](char32_t c, const CombiningClassRun& r) { return c < r.first; });
  if (it == std::begin(kCombiningClasses))
    return 0;
  --it;
  return cp <= it->last ? it->ccc : 0;
}

void Decompose(char32_t cp, std::u32string* out) {
  if (cp >= kSBase && cp < kSBase + kSCount) {
    const int s = static_cast<int>(cp - kSBase);
    out->push_back(kLBase + s / kNCount);
    out->push_back(kVBase + (s % kNCount) / kTCount);
    if (s % kTCount)
      out->push_back(kTBase + s % kTCount);
    return;
  }
  const Decomposition* d = FindDecomposition(cp);
  if (!d) {
    out->push_back(cp);
    return;
  }
  Decompose(d->first, out);
  if (d->second)
    Decompose(d->second, out);
}

// Primary composite of a starter and a following character, or 0.
char32_t Compose(char32_t first, char32_t second) {
  if (first >= kLBase && first < kLBase + kLCount && second >= kVBase &&
      second < kVBase + kVCount) {
    return kSBase + ((first - kLBase) * kVCount + (second - kVBase)) * kTCount;
  }
  if (first >= kSBase && first < kSBase + kSCount &&
      (first - kSBase) % kTCount == 0 && second > kTBase &&
      second < kTBase + kTCount) {
    return first + (second - kTBase);
  }
  if (first > 0xFFFF || second > 0xFFFF)
    return 0;
  for (const Decomposition& d : kDecompositions) {
    if (d.recomposes && d.first == first && d.second == second)
      return d.composed;
  }
  return 0;
}

}  // namespace

std::u32string NormalizeNfc(const std::u32string& input) {
  std::u32string decomposed;
  for (char32_t cp : input)
    Decompose(cp, &decomposed);

  // Canonical ordering: stable sort of each run of non-starters.
  for (size_t i = 0; i < decomposed.size();) {
    if (CombiningClass(decomposed[i]) == 0) {
      ++i;
      continue;
    }
    size_t j = i;
    while (j < decomposed.size() && CombiningClass(decomposed[j]) != 0)
      ++j;
    std::stable_sort(decomposed.begin() + static_cast<ptrdiff_t>(i),
                     decomposed.begin() + static_cast<ptrdiff_t>(j),
                     [](char32_t a, char32_t b) {
                       return CombiningClass(a) < CombiningClass(b);
                     });
    i = j;
  }

  std::u32string out;
  size_t starter = std::u32string::npos;
  int last_class = -1;
  for (char32_t cp : decomposed) {
    const int ccc = CombiningClass(cp);
    if (starter != std::u32string::npos) {
      // A character is blocked from the starter by one of equal or higher
      // class in between, or by any character if it is itself a starter.
      const bool blocked =
          last_class != -1 && (last_class >= ccc || last_class == 0);
      if (!blocked || (ccc == 0 && last_class == -1)) {
        const char32_t composite = Compose(out[starter], cp);
        if (composite) {
          out[starter] = composite;
          continue;
        }
      }
    }
    if (ccc == 0) {
      starter = out.size();
      last_class = -1;
    } else {
      last_class = ccc;
    }
    out.push_back(cp);
  }
  return out;
}

bool IsCombiningMark(char32_t cp) {
  if (cp > 0xFFFF)
    return false;
  const auto* it = std::upper_bound(
      std::begin(kCombiningMarks), std::end(kCombiningMarks), cp,
      [](char32_t c, const CodePointRange& r) { return c < r.first; });
  if (it == std::begin(kCombiningMarks))
    return false;
  --it;
  return cp <= it->last;
}

}  // namespace cefsim::text

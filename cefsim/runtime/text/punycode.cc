#include "text/punycode.h"

#include <cstdint>

#include "text/utf_convert.h"

namespace cefsim::text {

namespace {

constexpr uint32_t kBase = 36;
constexpr uint32_t kTMin = 1;
constexpr uint32_t kTMax = 26;
constexpr uint32_t kSkew = 38;
constexpr uint32_t kDamp = 700;
constexpr uint32_t kInitialBias = 72;
constexpr uint32_t kInitialN = 128;
constexpr uint32_t kMax = 0xFFFFFFFFu;

char EncodeDigit(uint32_t d) {
  return static_cast<char>(d < 26 ? 'a' + d : '0' + (d - 26));
}

// Digit value of a basic code point, or kBase if it is none.
uint32_t DecodeDigit(char c) {
  if (c >= '0' && c <= '9')
    return static_cast<uint32_t>(c - '0') + 26;
  if (c >= 'a' && c <= 'z')
    return static_cast<uint32_t>(c - 'a');
  if (c >= 'A' && c <= 'Z')
    return static_cast<uint32_t>(c - 'A');
  return kBase;
}

uint32_t Adapt(uint32_t delta, uint32_t num_points, bool first_time) {
  delta = first_time ? delta / kDamp : delta / 2;
  delta += delta / num_points;
  uint32_t k = 0;
  while (delta > ((kBase - kTMin) * kTMax) / 2) {
    delta /= kBase - kTMin;
    k += kBase;
  }
  return k + (kBase - kTMin + 1) * delta / (delta + kSkew);
}

uint32_t Threshold(uint32_t k, uint32_t bias) {
  if (k <= bias)
    return kTMin;
  if (k >= bias + kTMax)
    return kTMax;
  return k - bias;
}

}  // namespace

bool PunycodeEncode(std::u32string_view input, std::string* output) {
  output->clear();
  for (char32_t c : input) {
    if (c < 0x80)
      output->push_back(static_cast<char>(c));
  }
  const uint32_t basic = static_cast<uint32_t>(output->size());
  uint32_t handled = basic;
  if (basic > 0)
    output->push_back('-');

  uint32_t n = kInitialN;
  uint32_t delta = 0;
  uint32_t bias = kInitialBias;
  while (handled < input.size()) {
    uint32_t next = kMax;
    for (char32_t c : input) {
      if (c >= n && c < next)
        next = c;
    }
    if (next - n > (kMax - delta) / (handled + 1))
      return false;
    delta += (next - n) * (handled + 1);
    n = next;
    for (char32_t c : input) {
      if (c < n && ++delta == 0)
        return false;
      if (c == n) {
        uint32_t q = delta;
        for (uint32_t k = kBase;; k += kBase) {
          const uint32_t t = Threshold(k, bias);
          if (q < t)
            break;
          output->push_back(EncodeDigit(t + (q - t) % (kBase - t)));
          q = (q - t) / (kBase - t);
        }
        output->push_back(EncodeDigit(q));
        bias = Adapt(delta, handled + 1, handled == basic);
        delta = 0;
        ++handled;
      }
    }
    ++delta;
    ++n;
  }
  return true;
}

bool PunycodeDecode(std::string_view input, std::u32string* output) {
  output->clear();
  const size_t last_dash = input.rfind('-');
  size_t pos = 0;
  if (last_dash != std::string_view::npos) {
    for (size_t i = 0; i < last_dash; ++i) {
      if (static_cast<unsigned char>(input[i]) >= 0x80)
        return false;
      output->push_back(static_cast<unsigned char>(input[i]));
    }
    pos = last_dash + 1;
  }
  uint32_t n = kInitialN;
  uint32_t i = 0;
  uint32_t bias = kInitialBias;
  while (pos < input.size()) {
    const uint32_t old_i = i;
    uint32_t w = 1;
    for (uint32_t k = kBase;; k += kBase) {
      if (pos >= input.size())
        return false;
      const uint32_t digit = DecodeDigit(input[pos++]);
      if (digit >= kBase)
        return false;
      if (digit > (kMax - i) / w)
        return false;
      i += digit * w;
      const uint32_t t = Threshold(k, bias);
      if (digit < t)
        break;
      if (w > kMax / (kBase - t))
        return false;
      w *= kBase - t;
    }
    const uint32_t count = static_cast<uint32_t>(output->size()) + 1;
    bias = Adapt(i - old_i, count, old_i == 0);
    if (i / count > kMax - n)
      return false;
    n += i / count;
    i %= count;
    if (!IsValidCodePoint(n))
      return false;
    output->insert(output->begin() + i, static_cast<char32_t>(n));
    ++i;
  }
  return true;
}

}  // namespace cefsim::text

#include "text/base64.h"

#include <string>

#include "gtest/gtest.h"

namespace cefsim::text {
namespace {

TEST(Base64Test, EncodeVectors) {
  struct {
    std::string in;
    const char* out;
  } cases[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"hello world", "aGVsbG8gd29ybGQ="},
      {std::string("\x00\x01\xFE\xFF", 4), "AAH+/w=="},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.out, Base64Encode(c.in)) << "input of " << c.in.size();
}

// Strict decoding, Chromium's default: only whole groups of four, padding
// only at the end, no whitespace.
TEST(Base64Test, DecodeVectors) {
  struct {
    const char* in;
    const char* expected;  // nullptr: decoding fails.
  } cases[] = {
      {"", ""},
      {"aGVsbG8gd29ybGQ=", "hello world"},
      {"abcd", "i\xB7\x1D"},
      {"abc=", "i\xB7"},
      {"ab==", "i"},
      {"abcdefgh", "i\xB7\x1Dy\xF8!"},
      {"abc&", nullptr},
      {"ab-d", nullptr},
      {"abcde", nullptr},
      {"a", nullptr},
      {"abc", nullptr},
      {"ab", nullptr},
      {"abcd=", nullptr},
      {"abcd==", nullptr},
      {"a===", nullptr},
      {"====", nullptr},
      {"ab=c", nullptr},
      {" abcd", nullptr},
      {"ab\ncd", nullptr},
      {"invalid base64!", nullptr},
  };
  for (const auto& c : cases) {
    std::string out = "untouched";
    const bool ok = Base64Decode(c.in, &out);
    EXPECT_EQ(c.expected != nullptr, ok) << '"' << c.in << '"';
    EXPECT_EQ(c.expected ? c.expected : "untouched", out) << '"' << c.in << '"';
  }
}

TEST(Base64Test, RoundTripsEveryByte) {
  std::string all;
  for (int i = 0; i < 256; ++i)
    all.push_back(static_cast<char>(i));
  for (size_t len = 0; len <= all.size(); len += 37) {
    std::string decoded;
    ASSERT_TRUE(Base64Decode(Base64Encode(all.substr(0, len)), &decoded));
    EXPECT_EQ(all.substr(0, len), decoded) << "length " << len;
  }
}

}  // namespace
}  // namespace cefsim::text

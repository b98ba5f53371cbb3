// CefGetMimeType with Chromium's fixed tables, and cef_version_info with the
// values of CEF 109.1.18's cef_version.h.
#include "gtest/gtest.h"
#include "include/cef_parser.h"
#include "include/cef_version.h"

namespace {

TEST(MimeVersionTest, MimeTypesFromChromiumsTables) {
  const struct {
    const char* extension;
    const char* mime_type;
  } kCases[] = {
      {"html", "text/html"},
      {"HTM", "text/html"},
      {"shtml", "text/html"},
      {"js", "text/javascript"},  // The primary table wins.
      {"mjs", "text/javascript"},
      {"css", "text/css"},
      {"png", "image/png"},
      {"JPG", "image/jpeg"},
      {"jfif", "image/jpeg"},
      {"svg", "image/svg+xml"},
      {"ico", "image/x-icon"},
      {"webm", "video/webm"},
      {"mp3", "audio/mpeg"},
      {"json", "application/json"},
      {"pdf", "application/pdf"},
      {"wasm", "application/wasm"},
      {"txt", "text/plain"},
      {"xml", "text/xml"},
      {"exe", "application/octet-stream"},
      {"zip", "application/zip"},
      {"unknown-ext", ""},
      {".html", ""},
      {"", ""},
  };
  for (const auto& row : kCases) {
    EXPECT_EQ(row.mime_type, CefGetMimeType(row.extension).ToString())
        << row.extension;
  }
}

TEST(MimeVersionTest, VersionInfoIsCef109) {
  const int kExpected[] = {109, 1, 18, 2719, 109, 0, 5414, 120};
  for (int entry = 0; entry < 8; ++entry)
    EXPECT_EQ(kExpected[entry], cef_version_info(entry)) << entry;
  EXPECT_EQ(0, cef_version_info(8));
  EXPECT_EQ(0, cef_version_info(-1));
  // The header a host compiles against says the same.
  EXPECT_EQ(CEF_COMMIT_NUMBER, cef_version_info(3));
}

}  // namespace

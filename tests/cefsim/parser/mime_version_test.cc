// CefGetMimeType and CefGetExtensionsForMimeType with Chromium's fixed
// tables, and cef_version_info with the values of CEF 109.1.18's
// cef_version.h.
#include <algorithm>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "include/cef_parser.h"
#include "include/cef_version.h"
#include "violations.h"

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
  };
  for (const auto& row : kCases) {
    EXPECT_EQ(row.mime_type, CefGetMimeType(row.extension).ToString())
        << row.extension;
  }
  // No extension is a failed check in CEF's wrapper, and no type.
  EXPECT_EQ("", CefGetMimeType("").ToString());
  EXPECT_EQ(1, orvtest::TakeViolations("Check failed: !extension.empty()"));
}

// Chromium gives the extensions in no particular order; compared sorted.
TEST(MimeVersionTest, ExtensionsForMimeTypesFromBothTables) {
  const struct {
    const char* mime_type;
    std::vector<std::string> extensions;
  } kCases[] = {
      {"text/html", {"ehtml", "htm", "html", "shtm", "shtml"}},
      {"IMAGE/JPEG", {"jfif", "jpeg", "jpg", "pjp", "pjpeg"}},
      {"text/javascript", {"js", "mjs"}},
      {"application/octet-stream", {"bin", "com", "exe"}},
      {"video/*", {"m4v", "mp4", "mpeg", "mpg", "ogm", "ogv", "webm"}},
      {"text/", {}},
      {"*/*", {}},
      {"*", {}},
      {"no/such-type", {}},
  };
  for (const auto& row : kCases) {
    std::vector<CefString> found = {"kept"};
    CefGetExtensionsForMimeType(row.mime_type, found);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ("kept", found.front().ToString());  // Appended to, as CEF.
    std::vector<std::string> extensions;
    for (size_t i = 1; i < found.size(); ++i)
      extensions.push_back(found[i].ToString());
    std::sort(extensions.begin(), extensions.end());
    EXPECT_EQ(row.extensions, extensions) << row.mime_type;
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

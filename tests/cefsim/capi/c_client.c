// A C client of the C-API libcef.dll: it includes CEF's C headers only and
// calls the DLL as any C client would. Strings, the API hash and version
// reach the DLL's own code; a URL parse reaches the engine through CEF's
// translation layer; a function the simulation does not model, and a call
// that fails one of CEF's debug checks, must each be recorded as one
// violation. Exits 0 when every check holds.
#include <stdio.h>
#include <string.h>

#include "cefsim/control.h"
#include "include/capi/cef_crash_util_capi.h"
#include "include/capi/cef_i18n_util_capi.h"
#include "include/capi/cef_parser_capi.h"
#include "include/cef_api_hash.h"
#include "include/cef_version.h"
#include "include/internal/cef_string.h"
#include "include/internal/cef_time.h"

static int failures = 0;

static void Expect(int condition, const char* what) {
  if (!condition) {
    fprintf(stderr, "c_client: FAILED: %s\n", what);
    ++failures;
  }
}

static int Utf16Equals(const cef_string_t* str, const char* ascii) {
  size_t length = strlen(ascii);
  if (str->length != length)
    return 0;
  for (size_t i = 0; i < length; ++i) {
    if (str->str[i] != (char16)ascii[i])
      return 0;
  }
  return 1;
}

static void CheckStrings(void) {
  // "h", e acute, "llo ", the euro sign: one, two and three UTF-8 bytes.
  const char utf8[] = "h\xc3\xa9llo \xe2\x82\xac";
  const char16 expected[] = {'h', 0xe9, 'l', 'l', 'o', ' ', 0x20ac};
  cef_string_utf16_t utf16 = {0};
  Expect(cef_string_utf8_to_utf16(utf8, strlen(utf8), &utf16) == 1,
         "cef_string_utf8_to_utf16 succeeds");
  Expect(
      utf16.length == 7 && memcmp(utf16.str, expected, sizeof(expected)) == 0,
      "cef_string_utf8_to_utf16 converts each character");
  cef_string_utf8_t back = {0};
  Expect(cef_string_utf16_to_utf8(utf16.str, utf16.length, &back) == 1 &&
             back.length == strlen(utf8) && strcmp(back.str, utf8) == 0,
         "cef_string_utf16_to_utf8 gives the original back");
  cef_string_utf8_clear(&back);
  cef_string_utf16_clear(&utf16);
  Expect(utf16.str == NULL && utf16.length == 0,
         "cef_string_utf16_clear empties the string");
}

static void CheckHashAndVersion(void) {
  const char* platform = cef_api_hash(0);
  const char* universal = cef_api_hash(1);
  Expect(platform && strcmp(platform, CEF_API_HASH_PLATFORM) == 0,
         "cef_api_hash(0) is the headers' platform hash");
  Expect(universal && strcmp(universal, CEF_API_HASH_UNIVERSAL) == 0,
         "cef_api_hash(1) is the headers' universal hash");
  const struct {
    int entry;
    int value;
  } versions[] = {
      {0, CEF_VERSION_MAJOR},    {1, CEF_VERSION_MINOR},
      {2, CEF_VERSION_PATCH},    {3, CEF_COMMIT_NUMBER},
      {4, CHROME_VERSION_MAJOR}, {5, CHROME_VERSION_MINOR},
      {6, CHROME_VERSION_BUILD}, {7, CHROME_VERSION_PATCH},
  };
  for (size_t i = 0; i < sizeof(versions) / sizeof(versions[0]); ++i) {
    if (cef_version_info(versions[i].entry) != versions[i].value) {
      fprintf(stderr, "c_client: cef_version_info(%d) is %d, not %d\n",
              versions[i].entry, cef_version_info(versions[i].entry),
              versions[i].value);
      ++failures;
    }
  }
  Expect(CEF_VERSION_MAJOR == 109, "the headers are CEF 109's");
}

static void CheckParseUrl(void) {
  cef_string_t url = {0};
  const char text[] = "https://user@Example.COM:8443/a/b?q=1#f";
  cef_string_utf8_to_utf16(text, strlen(text), &url);
  cef_urlparts_t parts;
  memset(&parts, 0, sizeof(parts));
  Expect(cef_parse_url(&url, &parts) == 1, "cef_parse_url accepts the URL");
  Expect(Utf16Equals(&parts.host, "example.com"),
         "cef_parse_url gives the canonical host");
  Expect(Utf16Equals(&parts.port, "8443"), "cef_parse_url gives the port");
  Expect(Utf16Equals(&parts.path, "/a/b"), "cef_parse_url gives the path");
  Expect(Utf16Equals(&parts.query, "q=1"), "cef_parse_url gives the query");
  cef_string_utf16_clear(&url);
  cef_string_t* fields[] = {&parts.spec,     &parts.scheme, &parts.username,
                            &parts.password, &parts.host,   &parts.port,
                            &parts.origin,   &parts.path,   &parts.query,
                            &parts.fragment};
  for (size_t i = 0; i < sizeof(fields) / sizeof(fields[0]); ++i)
    cef_string_utf16_clear(fields[i]);
}

// The DLL's own time conversions: UTC fields from seconds since 1970 and
// back, through cef_basetime_t too.
static void CheckTime(void) {
  const struct {
    time_t seconds;
    int year, month, day_of_week, day_of_month, hour, minute, second;
  } cases[] = {
      {0, 1970, 1, 4, 1, 0, 0, 0},
      {951825600, 2000, 2, 2, 29, 12, 0, 0},  // A leap day.
      {2147483647, 2038, 1, 2, 19, 3, 14, 7},
  };
  for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
    cef_time_t fields;
    memset(&fields, 0, sizeof(fields));
    time_t back = -1;
    cef_basetime_t base = {0};
    cef_time_t from_base;
    memset(&from_base, 0, sizeof(from_base));
    int ok = cef_time_from_timet(cases[i].seconds, &fields) == 1 &&
             fields.year == cases[i].year && fields.month == cases[i].month &&
             fields.day_of_week == cases[i].day_of_week &&
             fields.day_of_month == cases[i].day_of_month &&
             fields.hour == cases[i].hour && fields.minute == cases[i].minute &&
             fields.second == cases[i].second &&
             cef_time_to_timet(&fields, &back) == 1 &&
             back == cases[i].seconds &&
             cef_time_to_basetime(&fields, &base) == 1 &&
             cef_time_from_basetime(base, &from_base) == 1 &&
             memcmp(&from_base, &fields, sizeof(fields)) == 0;
    if (!ok) {
      fprintf(stderr, "c_client: FAILED: time conversions of %ld\n",
              (long)cases[i].seconds);
      ++failures;
    }
  }
  cef_time_t invalid;
  memset(&invalid, 0, sizeof(invalid));
  invalid.year = 2023;
  invalid.month = 2;
  invalid.day_of_month = 30;
  time_t unused;
  Expect(cef_time_to_timet(&invalid, &unused) == 0,
         "cef_time_to_timet refuses February 30th");
}

// Runs |call| and checks that it added exactly one violation whose text
// holds |expected|.
static void ExpectOneViolation(void (*call)(void), const char* expected) {
  cefsim_clear_records();
  call();
  char text[512] = "";
  int count = cefsim_violation_count();
  if (count > 0)
    cefsim_violation_text(0, text, sizeof(text));
  if (count != 1 || !strstr(text, expected)) {
    fprintf(stderr,
            "c_client: FAILED: expected one violation with \"%s\", got %d "
            "(first: \"%s\")\n",
            expected, count, text);
    ++failures;
  }
  cefsim_clear_records();
}

static void CallIsRtl(void) {
  Expect(cef_is_rtl() == 0, "an unsimulated function returns 0");
}

static void CallCrashReportingEnabled(void) {
  Expect(cef_crash_reporting_enabled() == 0,
         "an unsimulated function returns 0");
}

static void CallParseUrlWithoutUrl(void) {
  cef_urlparts_t parts;
  memset(&parts, 0, sizeof(parts));
  Expect(cef_parse_url(NULL, &parts) == 0, "cef_parse_url(NULL) fails");
}

int main(void) {
  CheckStrings();
  CheckHashAndVersion();
  CheckParseUrl();
  CheckTime();
  Expect(cefsim_violation_count() == 0, "the simulated calls are clean");
  ExpectOneViolation(CallIsRtl, "CefIsRTL is not simulated");
  ExpectOneViolation(CallCrashReportingEnabled,
                     "CefCrashReportingEnabled is not simulated");
  // libcef_dll.cc checks its arguments with DCHECK, as in CEF's debug build.
  ExpectOneViolation(CallParseUrlWithoutUrl, "Check failed: url");
  if (failures) {
    fprintf(stderr, "c_client: %d check(s) failed\n", failures);
    return 1;
  }
  printf("c_client: every check held\n");
  return 0;
}

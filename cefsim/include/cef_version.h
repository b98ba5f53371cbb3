// cefsim: the version of CEF the simulated runtime stands in for. A binary
// distribution generates this file; the values are those of 109.1.18.

#ifndef CEF_INCLUDE_CEF_VERSION_H_
#define CEF_INCLUDE_CEF_VERSION_H_

#define CEF_VERSION "109.1.18+gf1c41e4+chromium-109.0.5414.120"
#define CEF_VERSION_MAJOR 109
#define CEF_VERSION_MINOR 1
#define CEF_VERSION_PATCH 18
#define CEF_COMMIT_NUMBER 2719
#define CEF_COMMIT_HASH "f1c41e4b1392ef8816171c4d51a2fca308db5501"
#define COPYRIGHT_YEAR 2023

#define CHROME_VERSION_MAJOR 109
#define CHROME_VERSION_MINOR 0
#define CHROME_VERSION_BUILD 5414
#define CHROME_VERSION_PATCH 120

#include "include/internal/cef_export.h"

#ifdef __cplusplus
extern "C" {
#endif

// Returns one version component of libcef.dll: |entry| 0 CEF_VERSION_MAJOR,
// 1 CEF_VERSION_MINOR, 2 CEF_VERSION_PATCH, 3 CEF_COMMIT_NUMBER,
// 4 CHROME_VERSION_MAJOR, 5 CHROME_VERSION_MINOR, 6 CHROME_VERSION_BUILD,
// 7 CHROME_VERSION_PATCH.
CEF_EXPORT int cef_version_info(int entry);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CEF_VERSION_H_

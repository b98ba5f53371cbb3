// cefsim: the API hashes of CEF 109.1.18 (branch 5414). The wrapper library
// compares CEF_API_HASH_PLATFORM with cef_api_hash(0) of the loaded
// libcef.dll before initialising.

#ifndef CEF_INCLUDE_API_HASH_H_
#define CEF_INCLUDE_API_HASH_H_

#include "include/internal/cef_export.h"

#define CEF_API_HASH_UNIVERSAL "80dc2ef26a1ac3a35c798a01adc88240759ac85a"
#define CEF_API_HASH_PLATFORM "c3f39d68cb97e87872a59a42c9255460ef4d7170"

#ifdef __cplusplus
extern "C" {
#endif

// Returns a hash owned by libcef.dll: |entry| 0 is the platform hash, 1 the
// universal hash, 2 CEF_COMMIT_HASH.
CEF_EXPORT const char* cef_api_hash(int entry);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_API_HASH_H_

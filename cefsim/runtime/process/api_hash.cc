// cef_api_hash: which headers this libcef.dll was built from. The wrapper in
// every module compares it with the hash of its own headers.
#include "include/cef_api_hash.h"
#include "include/cef_version.h"

const char* cef_api_hash(int entry) {
  switch (entry) {
    case 0:
      return CEF_API_HASH_PLATFORM;
    case 1:
      return CEF_API_HASH_UNIVERSAL;
    case 2:
      return CEF_COMMIT_HASH;
    default:
      return nullptr;
  }
}

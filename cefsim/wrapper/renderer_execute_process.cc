// CefExecuteProcess: checks that libcef.dll was built from the same headers,
// as CEF's wrapper does, and hands the process to the runtime.
#include <cstring>

#include "include/cef_api_hash.h"
#include "renderer_exports.h"

int CefExecuteProcess(const CefMainArgs& args,
                      CefRefPtr<CefApp> application,
                      void* windows_sandbox_info) {
  const char* api_hash = cef_api_hash(0);
  if (std::strcmp(api_hash, CEF_API_HASH_PLATFORM) != 0) {
    // A libcef.dll from other headers: CEF stops here in debug builds and
    // reports failure in release builds.
    return 0;
  }
  return cef_execute_process(&args, application.get(), windows_sandbox_info);
}

// CefInitialize, CefShutdown and CefQuitMessageLoop. CefInitialize first
// checks that libcef.dll was built from the same headers, as CEF's wrapper
// does.
#include <cstdio>
#include <cstring>

#include "browser_exports.h"
#include "include/cef_api_hash.h"
#include "shutdown_checker.h"

bool CefInitialize(const CefMainArgs& args,
                   const CefSettings& settings,
                   CefRefPtr<CefApp> application,
                   void* windows_sandbox_info) {
  const char* api_hash = cef_api_hash(0);
  if (std::strcmp(api_hash, CEF_API_HASH_PLATFORM) != 0) {
    // CEF stops here in debug builds (NOTREACHED) and fails in release.
    std::fprintf(stderr,
                 "cefsim: violation: CefInitialize: libcef.dll API hash %s "
                 "does not match the headers' %s\n",
                 api_hash, CEF_API_HASH_PLATFORM);
    return false;
  }
  return cef_initialize(&args, &settings, application.get(),
                        windows_sandbox_info) != 0;
}

void CefShutdown() {
  // Marked first, as CEF's wrapper does: objects made by callbacks that run
  // inside the shutdown count as made too late.
  cefsim::MarkShutdown();
  cef_shutdown();
}

void CefQuitMessageLoop() {
  cef_quit_message_loop();
}

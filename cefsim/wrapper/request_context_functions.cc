// The static entry points of CefRequestContext and CefPreferenceManager; the
// objects themselves live in libcef.dll.
#include "network_exports.h"

#include "adopt.h"

// static
CefRefPtr<CefRequestContext> CefRequestContext::GetGlobalContext() {
  return cefsim::Adopt(cef_request_context_get_global_context());
}

// static
CefRefPtr<CefRequestContext> CefRequestContext::CreateContext(
    const CefRequestContextSettings& settings,
    CefRefPtr<CefRequestContextHandler> handler) {
  return cefsim::Adopt(
      cef_request_context_create_context(&settings, handler.get()));
}

// static
CefRefPtr<CefRequestContext> CefRequestContext::CreateContext(
    CefRefPtr<CefRequestContext> other,
    CefRefPtr<CefRequestContextHandler> handler) {
  return cefsim::Adopt(cef_create_context_shared(other.get(), handler.get()));
}

// static
CefRefPtr<CefPreferenceManager>
CefPreferenceManager::GetGlobalPreferenceManager() {
  return cefsim::Adopt(cef_preference_manager_get_global());
}

// OrvCefHandler's request-handler side of the proxy: every navigation
// applies the host's proxy server, and proxy challenges get the host's
// credentials.
#include "include/cef_auth_callback.h"
#include "include/cef_browser.h"
#include "include/cef_request_context.h"
#include "include/cef_values.h"
#include "orvcef/core/library_state.h"
#include "orvcef/core/thread_checks.h"
#include "orvcef/handler/client_handler.h"

namespace orvcef {

namespace {

constexpr char kProxyPreference[] = "proxy";

// The "proxy" preference for |server|: fixed servers, no bypass list. Null
// for an empty server, which returns the preference to its default.
CefRefPtr<CefValue> ProxyPreferenceValue(const std::wstring& server) {
  if (server.empty())
    return nullptr;
  CefRefPtr<CefDictionaryValue> proxy = CefDictionaryValue::Create();
  proxy->SetString("mode", "fixed_servers");
  proxy->SetString("server", server);
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetDictionary(proxy);
  return value;
}

}  // namespace

bool OrvCefHandler::OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                                   CefRefPtr<CefFrame> frame,
                                   CefRefPtr<CefRequest> request,
                                   bool user_gesture,
                                   bool is_redirect) {
  ORVCEF_REQUIRE_UI_THREAD();
  // Set anew on every navigation, so a change reaches the next one.
  CefRefPtr<CefRequestContext> context =
      browser->GetHost()->GetRequestContext();
  if (context) {
    CefString error;
    context->SetPreference(kProxyPreference,
                           ProxyPreferenceValue(State().proxy().server), error);
  }
  if (router_)
    router_->OnBeforeBrowse(browser, frame);
  return false;
}

bool OrvCefHandler::GetAuthCredentials(CefRefPtr<CefBrowser> browser,
                                       const CefString& origin_url,
                                       bool isProxy,
                                       const CefString& host,
                                       int port,
                                       const CefString& realm,
                                       const CefString& scheme,
                                       CefRefPtr<CefAuthCallback> callback) {
  // Web servers get nothing: returning false cancels their challenge.
  if (!isProxy)
    return false;
  const ProxySettings proxy = State().proxy();
  callback->Continue(proxy.user, proxy.password);
  return true;
}

}  // namespace orvcef

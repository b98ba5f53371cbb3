// OrvCefHandler as request handler: every navigation applies the host's
// proxy server, and proxy challenges get the host's credentials.
#include "include/cef_auth_callback.h"
#include "include/cef_browser.h"
#include "include/cef_request_context.h"
#include "orvcef/base/library_state.h"
#include "orvcef/base/no_throw.h"
#include "orvcef/base/thread_checks.h"
#include "orvcef/handler/client_handler.h"
#include "orvcef/network/proxy_preference.h"

namespace orvcef {

bool OrvCefHandler::OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                                   CefRefPtr<CefFrame> frame,
                                   CefRefPtr<CefRequest> request,
                                   bool user_gesture,
                                   bool is_redirect) {
  ORVCEF_REQUIRE_UI_THREAD();
  CallWithoutThrowing([&] {
    // Set anew on every navigation, so a change reaches the next one.
    CefRefPtr<CefRequestContext> context =
        browser->GetHost()->GetRequestContext();
    if (context) {
      CefString error;
      context->SetPreference(kProxyPreference,
                             ProxyPreferenceValue(State().proxy().server),
                             error);
    }
  });
  if (router_)
    CallWithoutThrowing([&] { router_->OnBeforeBrowse(browser, frame); });
  // The main browser's first navigation, when the host sent it elsewhere
  // while it was being created: that navigation gives way to the newer URL.
  return CallWithoutThrowing(false, [&] {
    if (!frame->IsMain())
      return false;
    const std::wstring late_url = TakeLateStartUrl(browser);
    if (late_url.empty() || request->GetURL().ToWString() == late_url)
      return false;
    frame->LoadURL(late_url);
    return true;
  });
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
  return CallWithoutThrowing(false, [&] {
    const ProxySettings proxy = State().proxy();
    // The same proxy asking again for a pair it already had means the pair
    // was refused: cancel, so the 407 shows instead of a loop of retries.
    if (!proxy_challenges_.ShouldOffer(host.ToWString(), port,
                                       proxy.generation)) {
      return false;
    }
    callback->Continue(proxy.user, proxy.password);
    return true;
  });
}

}  // namespace orvcef

// OrvCefHandler as display and load handler: titles go into the browser's
// own window text, failed loads and HTTP errors get the error page.
#include <string>

#include "include/cef_browser.h"
#include "orvcef/base/no_throw.h"
#include "orvcef/base/thread_checks.h"
#include "orvcef/bridge/error_page.h"
#include "orvcef/handler/client_handler.h"

namespace orvcef {

namespace {

// CEF's ERR_ABORTED: a load stopped or replaced, not a failure to show.
constexpr int kErrorAborted = -3;
constexpr int kFirstHttpErrorStatus = 400;

// A page that came over the network, as opposed to the error page or other
// local content.
bool IsNetworkUrl(const std::string& url) {
  return url.compare(0, 7, "http://") == 0 ||
         url.compare(0, 8, "https://") == 0;
}

}  // namespace

void OrvCefHandler::OnTitleChange(CefRefPtr<CefBrowser> browser,
                                  const CefString& title) {
  ORVCEF_REQUIRE_UI_THREAD();
  // The main browser's own child window carries the title, where the host
  // reads it; a popup's is its caption.
  CallWithoutThrowing([&] {
    SetWindowTextW(browser->GetHost()->GetWindowHandle(),
                   title.ToWString().c_str());
  });
}

void OrvCefHandler::OnLoadEnd(CefRefPtr<CefBrowser> browser,
                              CefRefPtr<CefFrame> frame,
                              int httpStatusCode) {
  ORVCEF_REQUIRE_UI_THREAD();
  CallWithoutThrowing([&] {
    if (httpStatusCode >= kFirstHttpErrorStatus) {
      LoadErrorPage(frame, frame->GetURL());
      return;
    }
    // A page arrived, so the proxy took the credentials it was offered.
    if (httpStatusCode > 0 && IsNetworkUrl(frame->GetURL().ToString()))
      proxy_challenges_.OnSuccessfulLoad();
  });
}

void OrvCefHandler::OnLoadError(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                ErrorCode errorCode,
                                const CefString& errorText,
                                const CefString& failedUrl) {
  ORVCEF_REQUIRE_UI_THREAD();
  if (errorCode == kErrorAborted)
    return;
  CallWithoutThrowing([&] { LoadErrorPage(frame, failedUrl); });
}

}  // namespace orvcef

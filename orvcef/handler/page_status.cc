// OrvCefHandler as display and load handler: titles go into the browser's
// own window text, failed loads and HTTP errors get the error page.
#include "include/cef_browser.h"
#include "orvcef/base/thread_checks.h"
#include "orvcef/bridge/error_page.h"
#include "orvcef/handler/client_handler.h"

namespace orvcef {

namespace {

// CEF's ERR_ABORTED: a load stopped or replaced, not a failure to show.
constexpr int kErrorAborted = -3;
constexpr int kFirstHttpErrorStatus = 400;

}  // namespace

void OrvCefHandler::OnTitleChange(CefRefPtr<CefBrowser> browser,
                                  const CefString& title) {
  ORVCEF_REQUIRE_UI_THREAD();
  // The main browser's own child window carries the title, where the host
  // reads it; a popup's is its caption.
  SetWindowTextW(browser->GetHost()->GetWindowHandle(),
                 title.ToWString().c_str());
}

void OrvCefHandler::OnLoadEnd(CefRefPtr<CefBrowser> browser,
                              CefRefPtr<CefFrame> frame,
                              int httpStatusCode) {
  ORVCEF_REQUIRE_UI_THREAD();
  if (httpStatusCode >= kFirstHttpErrorStatus)
    LoadErrorPage(frame, frame->GetURL());
}

void OrvCefHandler::OnLoadError(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                ErrorCode errorCode,
                                const CefString& errorText,
                                const CefString& failedUrl) {
  ORVCEF_REQUIRE_UI_THREAD();
  if (errorCode == kErrorAborted)
    return;
  LoadErrorPage(frame, failedUrl);
}

}  // namespace orvcef

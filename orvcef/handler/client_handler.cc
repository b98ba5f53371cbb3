#include "orvcef/handler/client_handler.h"

#include <utility>
#include <vector>

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "orvcef/base/no_throw.h"
#include "orvcef/base/thread_checks.h"
#include "orvcef/bridge/query_bridge.h"
#include "orvcef/handler/popup_placement.h"
#include "orvcef/handler/ui_task.h"

namespace orvcef {

namespace {

HWND WindowOf(CefRefPtr<CefBrowser> browser) {
  return browser->GetHost()->GetWindowHandle();
}

}  // namespace

OrvCefHandler::OrvCefHandler() = default;

// The last reference went: the members release the router, its query
// handler and any browser still listed. RemoveHandler is not called, as the
// router goes in the same moment.
OrvCefHandler::~OrvCefHandler() = default;

bool OrvCefHandler::OnProcessMessageReceived(
    CefRefPtr<CefBrowser> browser,
    CefRefPtr<CefFrame> frame,
    CefProcessId source_process,
    CefRefPtr<CefProcessMessage> message) {
  ORVCEF_REQUIRE_UI_THREAD();
  if (!router_)
    return false;
  return CallWithoutThrowing(false, [&] {
    return router_->OnProcessMessageReceived(browser, frame, source_process,
                                             message);
  });
}

bool OrvCefHandler::OnBeforePopup(
    CefRefPtr<CefBrowser> browser,
    CefRefPtr<CefFrame> frame,
    const CefString& target_url,
    const CefString& target_frame_name,
    CefLifeSpanHandler::WindowOpenDisposition target_disposition,
    bool user_gesture,
    const CefPopupFeatures& popupFeatures,
    CefWindowInfo& windowInfo,
    CefRefPtr<CefClient>& client,
    CefBrowserSettings& settings,
    CefRefPtr<CefDictionaryValue>& extra_info,
    bool* no_javascript_access) {
  ORVCEF_REQUIRE_UI_THREAD();
  const HWND opener = WindowOf(browser);
  RECT opener_rect = {};
  GetWindowRect(opener, &opener_rect);
  windowInfo.parent_window = opener;
  int x = 0;
  int y = 0;
  if (CenterPopupOn(opener_rect, windowInfo.bounds.width,
                    windowInfo.bounds.height, &x, &y)) {
    windowInfo.bounds.x = x;
    windowInfo.bounds.y = y;
  }
  // The popup keeps this client, so it joins the registry. Until it is
  // there, shutdown must wait for it too: CEF requires every browser, one
  // still being created included, to be closed before CefShutdown.
  {
    std::lock_guard<std::mutex> guard(browsers_lock_);
    ++popups_expected_;
    all_closed_ = false;
  }
  return false;
}

void OrvCefHandler::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  ORVCEF_REQUIRE_UI_THREAD();
  all_closed_ = false;
  CallWithoutThrowing([&] { RegisterBrowser(browser); });
}

void OrvCefHandler::RegisterBrowser(CefRefPtr<CefBrowser> browser) {
  if (!router_) {
    router_ = CefMessageRouterBrowserSide::Create(CefMessageRouterConfig());
    router_handler_ = CreateQueryHandler();
    router_->AddHandler(router_handler_.get(), false);
  }

  std::wstring late_url;
  {
    std::lock_guard<std::mutex> guard(browsers_lock_);
    if (browsers_.empty())
      main_window_ = WindowOf(browser);
    browsers_.push_back(OpenBrowser{browser});
    if (browser->IsPopup() && popups_expected_ > 0)
      --popups_expected_;
    if (main_expected_ && !browser->IsPopup()) {
      main_expected_ = false;
      if (pending_url_serial_ > main_url_serial_)
        late_url = std::move(pending_url_);
      pending_url_.clear();
    }
  }
  // A start URL stored after the main browser was requested with an older
  // one: the browser ends up where the host last sent it. A load asked for
  // here would be overtaken by the browser's own first navigation, which
  // CEF starts after this callback, so that navigation is replaced when it
  // comes (TakeLateStartUrl).
  if (!late_url.empty()) {
    std::lock_guard<std::mutex> guard(browsers_lock_);
    late_start_url_ = std::move(late_url);
    late_start_browser_ = browser->GetIdentifier();
  }
}

std::wstring OrvCefHandler::TakeLateStartUrl(CefRefPtr<CefBrowser> browser) {
  std::lock_guard<std::mutex> guard(browsers_lock_);
  if (late_start_url_.empty() ||
      late_start_browser_ != browser->GetIdentifier()) {
    return std::wstring();
  }
  std::wstring url = std::move(late_start_url_);
  late_start_url_.clear();
  return url;
}

bool OrvCefHandler::DoClose(CefRefPtr<CefBrowser> browser) {
  ORVCEF_REQUIRE_UI_THREAD();
  return false;
}

void OrvCefHandler::OnBeforeClose(CefRefPtr<CefBrowser> browser) {
  ORVCEF_REQUIRE_UI_THREAD();
  // The router cancels this browser's pending queries now rather than when
  // the last browser goes.
  if (router_)
    CallWithoutThrowing([&] { router_->OnBeforeClose(browser); });

  CefRefPtr<CefBrowser> closed;
  bool now_empty = false;
  {
    std::lock_guard<std::mutex> guard(browsers_lock_);
    for (auto it = browsers_.begin(); it != browsers_.end(); ++it) {
      if (it->browser->IsSame(browser)) {
        closed = std::move(it->browser);
        browsers_.erase(it);
        break;
      }
    }
    now_empty = browsers_.empty();
  }
  if (!now_empty)
    return;

  main_window_ = nullptr;
  if (router_) {
    router_->RemoveHandler(router_handler_.get());
    router_handler_.reset();
    router_ = nullptr;
  }
  // No CefQuitMessageLoop here: CEF runs its own message loop on this
  // thread, and CEF allows that call only on the thread that initialised it.
  std::lock_guard<std::mutex> guard(browsers_lock_);
  UpdateAllClosed();
}

void OrvCefHandler::UpdateAllClosed() {
  all_closed_ = browsers_.empty() && !main_expected_ && popups_expected_ == 0;
}

void OrvCefHandler::OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser,
                                              TerminationStatus status) {
  ORVCEF_REQUIRE_UI_THREAD();
  if (router_)
    CallWithoutThrowing([&] { router_->OnRenderProcessTerminated(browser); });
}

void OrvCefHandler::CloseBrowsers(bool force_close) {
  CallWithoutThrowing([&] { CloseBrowsersOnUiThread(force_close); });
}

void OrvCefHandler::CloseBrowsersOnUiThread(bool force_close) {
  if (!CefCurrentlyOn(TID_UI)) {
    CefRefPtr<OrvCefHandler> self(this);
    PostToUiThread([self, force_close] { self->CloseBrowsers(force_close); });
    return;
  }
  // A copy: CloseBrowser may reach OnBeforeClose, which changes the list.
  std::vector<CefRefPtr<CefBrowser>> to_close;
  {
    std::lock_guard<std::mutex> guard(browsers_lock_);
    for (OpenBrowser& open : browsers_) {
      if (open.close_requested)
        continue;
      open.close_requested = true;
      to_close.push_back(open.browser);
    }
  }
  for (const CefRefPtr<CefBrowser>& browser : to_close)
    browser->GetHost()->CloseBrowser(force_close);
}

void OrvCefHandler::ReloadMainBrowser() {
  if (!CefCurrentlyOn(TID_UI)) {
    CefRefPtr<OrvCefHandler> self(this);
    CallWithoutThrowing(
        [&] { PostToUiThread([self] { self->ReloadMainBrowser(); }); });
    return;
  }
  CefRefPtr<CefBrowser> front = FrontBrowser();
  if (front)
    front->Reload();
}

CefRefPtr<CefBrowser> OrvCefHandler::FrontBrowser() const {
  std::lock_guard<std::mutex> guard(browsers_lock_);
  if (browsers_.empty())
    return nullptr;
  return browsers_.front().browser;
}

void OrvCefHandler::ExpectMainBrowser() {
  ORVCEF_REQUIRE_UI_THREAD();
  std::lock_guard<std::mutex> guard(browsers_lock_);
  main_expected_ = true;
  // Shutdown waits for the main browser from the moment it is asked for.
  all_closed_ = false;
}

void OrvCefHandler::MainBrowserRequested(uint64_t url_serial) {
  ORVCEF_REQUIRE_UI_THREAD();
  std::lock_guard<std::mutex> guard(browsers_lock_);
  main_url_serial_ = url_serial;
}

void OrvCefHandler::MainBrowserAbandoned() {
  ORVCEF_REQUIRE_UI_THREAD();
  std::lock_guard<std::mutex> guard(browsers_lock_);
  main_expected_ = false;
  pending_url_.clear();
  UpdateAllClosed();
}

bool OrvCefHandler::LoadStartUrl(const std::wstring& url, uint64_t url_serial) {
  CefRefPtr<CefBrowser> front;
  {
    std::lock_guard<std::mutex> guard(browsers_lock_);
    if (browsers_.empty()) {
      if (!main_expected_)
        return false;
      if (url_serial > pending_url_serial_) {
        pending_url_ = url;
        pending_url_serial_ = url_serial;
      }
      return true;
    }
    front = browsers_.front().browser;
  }
  CefRefPtr<CefFrame> frame = front->GetMainFrame();
  if (!frame)
    return false;
  // CEF loads nothing for an empty URL, and its debug build stops on one.
  if (!url.empty())
    frame->LoadURL(url);
  return true;
}

}  // namespace orvcef

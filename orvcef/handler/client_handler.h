// OrvCefHandler: the one CEF client of the main browser and its popups.
#ifndef ORVCEF_HANDLER_CLIENT_HANDLER_H_
#define ORVCEF_HANDLER_CLIENT_HANDLER_H_

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>

#include "include/cef_client.h"
#include "include/cef_display_handler.h"
#include "include/cef_download_handler.h"
#include "include/cef_life_span_handler.h"
#include "include/cef_load_handler.h"
#include "include/cef_request_handler.h"
#include "include/wrapper/cef_message_router.h"
#include "orvcef/network/proxy_challenges.h"

namespace orvcef {

// Keeps the registry of open browsers (front entry = main browser), wires
// CEF's message router into the browsers' lives, and closes or reloads them
// on request. Its CEF callbacks run on CEF's UI thread; CloseBrowsers,
// ReloadMainBrowser and the accessors below may be called from any thread.
class OrvCefHandler : public CefClient,
                      public CefDisplayHandler,
                      public CefLifeSpanHandler,
                      public CefLoadHandler,
                      public CefRequestHandler,
                      public CefDownloadHandler {
 public:
  OrvCefHandler();
  OrvCefHandler(const OrvCefHandler&) = delete;
  OrvCefHandler& operator=(const OrvCefHandler&) = delete;

  // CefClient:
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefDownloadHandler> GetDownloadHandler() override { return this; }
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override;

  // CefLifeSpanHandler:
  bool OnBeforePopup(
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
      bool* no_javascript_access) override;
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
  bool DoClose(CefRefPtr<CefBrowser> browser) override;
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;

  // CefRequestHandler (OnBeforeBrowse and GetAuthCredentials in
  // network/proxy_handler.cc):
  bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                      CefRefPtr<CefFrame> frame,
                      CefRefPtr<CefRequest> request,
                      bool user_gesture,
                      bool is_redirect) override;
  bool GetAuthCredentials(CefRefPtr<CefBrowser> browser,
                          const CefString& origin_url,
                          bool isProxy,
                          const CefString& host,
                          int port,
                          const CefString& realm,
                          const CefString& scheme,
                          CefRefPtr<CefAuthCallback> callback) override;
  void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser,
                                 TerminationStatus status) override;

  // CefDisplayHandler (page_status.cc):
  void OnTitleChange(CefRefPtr<CefBrowser> browser,
                     const CefString& title) override;

  // CefLoadHandler (page_status.cc):
  void OnLoadEnd(CefRefPtr<CefBrowser> browser,
                 CefRefPtr<CefFrame> frame,
                 int httpStatusCode) override;
  void OnLoadError(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefFrame> frame,
                   ErrorCode errorCode,
                   const CefString& errorText,
                   const CefString& failedUrl) override;

  // CefDownloadHandler (downloads.cc):
  void OnBeforeDownload(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefDownloadItem> download_item,
                        const CefString& suggested_name,
                        CefRefPtr<CefBeforeDownloadCallback> callback) override;
  void OnDownloadUpdated(CefRefPtr<CefBrowser> browser,
                         CefRefPtr<CefDownloadItem> download_item,
                         CefRefPtr<CefDownloadItemCallback> callback) override;

  // Asks every open browser that has not been asked yet to close; returns at
  // once. Calling it again reaches browsers that opened since, such as a
  // popup the page opened while the others were closing.
  void CloseBrowsers(bool force_close);
  // Reloads the front browser, on CEF's UI thread.
  void ReloadMainBrowser();

  // The front entry of the registry with a reference of the caller's own,
  // or empty when no browser is open.
  CefRefPtr<CefBrowser> FrontBrowser() const;

  // Start-URL hand-over with the application object. The main browser is
  // expected from before the start URL is read for it until OnAfterCreated
  // sees it (or its creation is abandoned). A start URL that arrives in that
  // time is kept and loaded as soon as the browser exists.
  // CEF's UI thread, before the handler is published:
  void ExpectMainBrowser();
  // CEF's UI thread: the main browser was requested with the start URL whose
  // serial is |url_serial|.
  void MainBrowserRequested(uint64_t url_serial);
  // CEF's UI thread: CreateBrowser refused; no main browser will come.
  void MainBrowserAbandoned();
  // Any thread: sends the main browser (or, before it exists, the one about
  // to be created) to |url|. False when no browser can take it: none open and
  // none expected, or the front browser has no main frame.
  bool LoadStartUrl(const std::wstring& url, uint64_t url_serial);

  // Any thread.
  HWND main_window() const { return main_window_; }
  bool all_closed() const { return all_closed_; }

 private:
  ~OrvCefHandler() override;

  // CEF's UI thread: OnAfterCreated's work, which may throw.
  void RegisterBrowser(CefRefPtr<CefBrowser> browser);
  // CEF's UI thread: the start URL the main browser |browser| is to show
  // instead of the one it was created with, once; empty when there is none.
  std::wstring TakeLateStartUrl(CefRefPtr<CefBrowser> browser);
  // No browser is open, expected as the main browser, or on its way as a
  // popup. Caller holds |browsers_lock_|.
  void UpdateAllClosed();
  // CEF's UI thread: asks whether to open a finished download, and opens it.
  void OfferToOpen(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefDownloadItem> download_item);
  // CloseBrowsers' work, which may throw; posts itself to CEF's UI thread.
  void CloseBrowsersOnUiThread(bool force_close);

  struct OpenBrowser {
    CefRefPtr<CefBrowser> browser;
    // CloseBrowsers has asked this browser to close.
    bool close_requested = false;
  };

  // Changed on CEF's UI thread only, read from any thread under
  // |browsers_lock_|.
  std::list<OpenBrowser> browsers_;
  // CEF's UI thread only. Created with the first browser, released with the
  // last; the router never owns |router_handler_|, which it only points to.
  CefRefPtr<CefMessageRouterBrowserSide> router_;
  std::shared_ptr<CefMessageRouterBrowserSide::Handler> router_handler_;
  // The window of the browser created while no other was open. Written on
  // CEF's UI thread, read by the exports.
  std::atomic<HWND> main_window_{nullptr};
  std::atomic<bool> all_closed_{true};
  // Which proxies have had the host's credentials; any thread.
  ProxyChallenges proxy_challenges_;

  mutable std::mutex browsers_lock_;
  // Guarded by |browsers_lock_|: the main browser is expected, the serial of
  // the URL it was or will be created with, and a newer URL to load.
  bool main_expected_ = false;
  // Popups CEF was allowed to create (OnBeforePopup) that have not reached
  // OnAfterCreated yet.
  int popups_expected_ = 0;
  // A newer start URL for the main browser's first navigation, and the
  // browser it is for.
  std::wstring late_start_url_;
  int late_start_browser_ = 0;
  uint64_t main_url_serial_ = 0;
  std::wstring pending_url_;
  uint64_t pending_url_serial_ = 0;

  IMPLEMENT_REFCOUNTING(OrvCefHandler);
};

}  // namespace orvcef

#endif  // ORVCEF_HANDLER_CLIENT_HANDLER_H_

// A client for the network tests: records load, request, authentication
// and download callbacks as lines ("LoadEnd http://a.test/ 200", ...) and
// answers them as each test sets it up.
#ifndef TESTS_CEFSIM_NETWORK_NETWORK_CLIENT_H_
#define TESTS_CEFSIM_NETWORK_NETWORK_CLIENT_H_

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "include/cef_client.h"
#include "include/cef_request_context.h"
#include "include/cef_request_context_handler.h"

namespace cefsim_test {

class NetworkClient : public CefClient,
                      public CefLifeSpanHandler,
                      public CefLoadHandler,
                      public CefRequestHandler,
                      public CefDownloadHandler {
 public:
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }
  CefRefPtr<CefDownloadHandler> GetDownloadHandler() override { return this; }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
  void OnLoadEnd(CefRefPtr<CefBrowser> browser,
                 CefRefPtr<CefFrame> frame,
                 int httpStatusCode) override;
  void OnLoadError(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefFrame> frame,
                   ErrorCode errorCode,
                   const CefString& errorText,
                   const CefString& failedUrl) override;
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
  bool CanDownload(CefRefPtr<CefBrowser> browser,
                   const CefString& url,
                   const CefString& request_method) override;
  void OnBeforeDownload(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefDownloadItem> download_item,
                        const CefString& suggested_name,
                        CefRefPtr<CefBeforeDownloadCallback> callback) override;
  void OnDownloadUpdated(CefRefPtr<CefBrowser> browser,
                         CefRefPtr<CefDownloadItem> download_item,
                         CefRefPtr<CefDownloadItemCallback> callback) override;

  std::vector<std::string> events() const;
  // Waits (bounded) until |event| was recorded.
  bool WaitFor(const std::string& event) const;
  bool Has(const std::string& event) const;
  std::vector<CefRefPtr<CefBrowser>> browsers() const;

  // Set before the callbacks come.
  // OnBeforeBrowse: non-empty sets the "proxy" preference to this
  // fixed server; "-" resets it with a null value; empty leaves it.
  std::string proxy_on_browse;
  // GetAuthCredentials: answer with |auth| (true returned), or decline.
  std::function<bool(bool is_proxy, CefRefPtr<CefAuthCallback>)> auth;
  bool can_download = true;
  std::function<void(CefRefPtr<CefDownloadItem>,
                     const CefString& suggested_name,
                     CefRefPtr<CefBeforeDownloadCallback>)>
      before_download;
  std::function<void(CefRefPtr<CefDownloadItem>)> download_updated;
  std::atomic<bool> callbacks_on_expected_threads{true};
  CefRefPtr<CefDownloadItem> kept_item;  // Set by tests that misuse one.

 private:
  void Record(const std::string& event);

  mutable std::mutex lock_;
  std::vector<std::string> events_;              // Guarded by |lock_|.
  std::vector<CefRefPtr<CefBrowser>> browsers_;  // Guarded by |lock_|.

  IMPLEMENT_REFCOUNTING(NetworkClient);
};

// Runs |work| on the UI thread and waits (bounded) for it.
bool RunOnUi(std::function<void()> work);

}  // namespace cefsim_test

#endif  // TESTS_CEFSIM_NETWORK_NETWORK_CLIENT_H_

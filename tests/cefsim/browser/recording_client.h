// A client and an application for the browser runtime's tests: every
// callback is written down as one line ("LoadEnd 200", ...) so a test can
// check what came and in which order.
#ifndef TESTS_CEFSIM_BROWSER_RECORDING_CLIENT_H_
#define TESTS_CEFSIM_BROWSER_RECORDING_CLIENT_H_

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"

namespace cefsim_test {

class RecordingApp : public CefApp, public CefBrowserProcessHandler {
 public:
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override {
    return this;
  }
  void OnContextInitialized() override;

  std::atomic<int> initialized_count{0};
  std::atomic<bool> initialized_on_ui{false};

  IMPLEMENT_REFCOUNTING(RecordingApp);
};

// Starts the context with the settings a test usually wants; |edit| may
// change them first.
bool StartContext(CefRefPtr<RecordingApp> app,
                  const std::function<void(CefSettings*)>& edit = nullptr);

class RecordingClient : public CefClient,
                        public CefLifeSpanHandler,
                        public CefLoadHandler,
                        public CefDisplayHandler,
                        public CefRequestHandler {
 public:
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
  bool DoClose(CefRefPtr<CefBrowser> browser) override;
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;
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
  void OnLoadingStateChange(CefRefPtr<CefBrowser> browser,
                            bool isLoading,
                            bool canGoBack,
                            bool canGoForward) override;
  void OnLoadStart(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefFrame> frame,
                   TransitionType transition_type) override;
  void OnLoadEnd(CefRefPtr<CefBrowser> browser,
                 CefRefPtr<CefFrame> frame,
                 int httpStatusCode) override;
  void OnLoadError(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefFrame> frame,
                   ErrorCode errorCode,
                   const CefString& errorText,
                   const CefString& failedUrl) override;
  void OnAddressChange(CefRefPtr<CefBrowser> browser,
                       CefRefPtr<CefFrame> frame,
                       const CefString& url) override;
  void OnTitleChange(CefRefPtr<CefBrowser> browser,
                     const CefString& title) override;
  bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                      CefRefPtr<CefFrame> frame,
                      CefRefPtr<CefRequest> request,
                      bool user_gesture,
                      bool is_redirect) override;
  void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser,
                                 TerminationStatus status) override;

  std::vector<std::string> events() const;
  void ClearEvents();
  // Waits (bounded, pumping this thread's messages) for |event| to have
  // been recorded |count| times.
  bool WaitFor(const std::string& event, int count = 1) const;
  int Count(const std::string& event) const;
  // The browsers seen in OnAfterCreated, in order.
  std::vector<CefRefPtr<CefBrowser>> browsers() const;

  // Settings a test changes before the callbacks come; set them first.
  bool do_close_result = false;
  std::string cancel_url;  // OnBeforeBrowse returns true for this URL.
  std::function<void(CefRefPtr<CefFrame>)> on_load_error;
  std::function<void(CefWindowInfo*)> on_before_popup;
  std::atomic<bool> callbacks_on_ui{true};
  std::atomic<bool> main_frame_null_after_close{false};

 private:
  void Record(const std::string& event);

  mutable std::mutex lock_;
  std::vector<std::string> events_;              // Guarded by |lock_|.
  std::vector<CefRefPtr<CefBrowser>> browsers_;  // Guarded by |lock_|.

  IMPLEMENT_REFCOUNTING(RecordingClient);
};

// Creates a browser of |client| in a top-level window of its own showing
// |url| (served with status 200) and waits for its load to end.
bool CreateLoadedBrowser(CefRefPtr<RecordingClient> client,
                         const std::string& url);

}  // namespace cefsim_test

#endif  // TESTS_CEFSIM_BROWSER_RECORDING_CLIENT_H_

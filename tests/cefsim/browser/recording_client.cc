#include "recording_client.h"

#include <algorithm>

#include "include/cef_task.h"
#include "wait.h"

namespace cefsim_test {

void RecordingApp::OnContextInitialized() {
  initialized_on_ui = CefCurrentlyOn(TID_UI);
  ++initialized_count;
}

bool StartContext(CefRefPtr<RecordingApp> app,
                  const std::function<void(CefSettings*)>& edit) {
  CefMainArgs args(GetModuleHandleW(nullptr));
  CefSettings settings;
  settings.no_sandbox = 1;
  settings.multi_threaded_message_loop = 1;
  settings.log_severity = LOGSEVERITY_DISABLE;
  if (edit)
    edit(&settings);
  return CefInitialize(args, settings, app, nullptr);
}

void RecordingClient::Record(const std::string& event) {
  if (!CefCurrentlyOn(TID_UI))
    callbacks_on_ui = false;
  std::lock_guard<std::mutex> guard(lock_);
  events_.push_back(event);
}

void RecordingClient::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    browsers_.push_back(browser);
  }
  Record("AfterCreated " + std::to_string(browser->GetIdentifier()));
}

bool RecordingClient::DoClose(CefRefPtr<CefBrowser> browser) {
  Record("DoClose " + std::to_string(browser->GetIdentifier()));
  return do_close_result;
}

void RecordingClient::OnBeforeClose(CefRefPtr<CefBrowser> browser) {
  Record("BeforeClose " + std::to_string(browser->GetIdentifier()));
  // Checked after this callback has returned, from a later task.
  CefRefPtr<CefBrowser> kept = browser;
  CefRefPtr<RecordingClient> self(this);
  class Check : public CefTask {
   public:
    Check(CefRefPtr<CefBrowser> browser, CefRefPtr<RecordingClient> client)
        : browser_(browser), client_(client) {}
    void Execute() override {
      client_->main_frame_null_after_close =
          browser_->GetMainFrame() == nullptr;
    }

   private:
    CefRefPtr<CefBrowser> browser_;
    CefRefPtr<RecordingClient> client_;
    IMPLEMENT_REFCOUNTING(Check);
  };
  CefPostTask(TID_UI, new Check(kept, self));
}

bool RecordingClient::OnBeforePopup(
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
  Record("BeforePopup " + target_url.ToString() + " " +
         std::to_string(target_disposition));
  if (on_before_popup)
    on_before_popup(&windowInfo);
  return false;
}

void RecordingClient::OnLoadingStateChange(CefRefPtr<CefBrowser> browser,
                                           bool isLoading,
                                           bool canGoBack,
                                           bool canGoForward) {
  Record(std::string("LoadingState ") + (isLoading ? "1" : "0"));
}

void RecordingClient::OnLoadStart(CefRefPtr<CefBrowser> browser,
                                  CefRefPtr<CefFrame> frame,
                                  TransitionType transition_type) {
  Record("LoadStart " + frame->GetURL().ToString());
}

void RecordingClient::OnLoadEnd(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                int httpStatusCode) {
  Record("LoadEnd " + frame->GetURL().ToString() + " " +
         std::to_string(httpStatusCode));
}

void RecordingClient::OnLoadError(CefRefPtr<CefBrowser> browser,
                                  CefRefPtr<CefFrame> frame,
                                  ErrorCode errorCode,
                                  const CefString& errorText,
                                  const CefString& failedUrl) {
  Record("LoadError " + std::to_string(errorCode) + " " + errorText.ToString() +
         " " + failedUrl.ToString());
  if (on_load_error) {
    on_load_error(frame);
    Record("LoadError returned");
  }
}

void RecordingClient::OnAddressChange(CefRefPtr<CefBrowser> browser,
                                      CefRefPtr<CefFrame> frame,
                                      const CefString& url) {
  Record("Address " + url.ToString());
}

void RecordingClient::OnTitleChange(CefRefPtr<CefBrowser> browser,
                                    const CefString& title) {
  Record("Title " + title.ToString());
}

bool RecordingClient::OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                                     CefRefPtr<CefFrame> frame,
                                     CefRefPtr<CefRequest> request,
                                     bool user_gesture,
                                     bool is_redirect) {
  const std::string url = request->GetURL();
  Record("BeforeBrowse " + url + (is_redirect ? " redirect" : ""));
  return url == cancel_url;
}

void RecordingClient::OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser,
                                                TerminationStatus status) {
  Record("Terminated " + std::to_string(status));
}

std::vector<std::string> RecordingClient::events() const {
  std::lock_guard<std::mutex> guard(lock_);
  return events_;
}

void RecordingClient::ClearEvents() {
  std::lock_guard<std::mutex> guard(lock_);
  events_.clear();
}

int RecordingClient::Count(const std::string& event) const {
  std::lock_guard<std::mutex> guard(lock_);
  return static_cast<int>(std::count(events_.begin(), events_.end(), event));
}

bool RecordingClient::WaitFor(const std::string& event, int count) const {
  return orvtest::WaitUntil([&] { return Count(event) >= count; });
}

std::vector<CefRefPtr<CefBrowser>> RecordingClient::browsers() const {
  std::lock_guard<std::mutex> guard(lock_);
  return browsers_;
}

bool CreateLoadedBrowser(CefRefPtr<RecordingClient> client,
                         const std::string& url) {
  CefWindowInfo info;
  info.SetAsPopup(nullptr, "opener");
  return CefBrowserHost::CreateBrowser(info, client, url, CefBrowserSettings(),
                                       nullptr, nullptr) &&
         client->WaitFor("LoadEnd " + url + " 200");
}

}  // namespace cefsim_test

#include "network_client.h"

#include <algorithm>
#include <memory>

#include "include/cef_task.h"
#include "wait.h"

namespace cefsim_test {
namespace {

class FunctionTask : public CefTask {
 public:
  explicit FunctionTask(std::function<void()> work) : work_(std::move(work)) {}
  void Execute() override { work_(); }

 private:
  std::function<void()> work_;
  IMPLEMENT_REFCOUNTING(FunctionTask);
};

std::string ItemLine(CefRefPtr<CefDownloadItem> item) {
  return std::string(item->IsInProgress() ? " in-progress" : "") +
         (item->IsComplete() ? " complete" : "") +
         (item->IsCanceled() ? " canceled" : "") + " " +
         std::to_string(item->GetPercentComplete()) + "% " +
         std::to_string(item->GetReceivedBytes()) + "/" +
         std::to_string(item->GetTotalBytes()) + " [" +
         item->GetFullPath().ToString() + "]";
}

}  // namespace

bool RunOnUi(std::function<void()> work) {
  auto done = std::make_shared<std::atomic<bool>>(false);
  if (!CefPostTask(TID_UI, new FunctionTask([work, done] {
                     work();
                     *done = true;
                   }))) {
    return false;
  }
  return orvtest::WaitUntil([done] { return done->load(); });
}

void NetworkClient::Record(const std::string& event) {
  std::lock_guard<std::mutex> guard(lock_);
  events_.push_back(event);
}

std::vector<std::string> NetworkClient::events() const {
  std::lock_guard<std::mutex> guard(lock_);
  return events_;
}

bool NetworkClient::Has(const std::string& event) const {
  const auto all = events();
  return std::find(all.begin(), all.end(), event) != all.end();
}

bool NetworkClient::WaitFor(const std::string& event) const {
  return orvtest::WaitUntil([&] { return Has(event); });
}

std::vector<CefRefPtr<CefBrowser>> NetworkClient::browsers() const {
  std::lock_guard<std::mutex> guard(lock_);
  return browsers_;
}

void NetworkClient::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  std::lock_guard<std::mutex> guard(lock_);
  browsers_.push_back(browser);
}

void NetworkClient::OnLoadEnd(CefRefPtr<CefBrowser> browser,
                              CefRefPtr<CefFrame> frame,
                              int httpStatusCode) {
  Record("LoadEnd " + frame->GetURL().ToString() + " " +
         std::to_string(httpStatusCode));
}

void NetworkClient::OnLoadError(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                ErrorCode errorCode,
                                const CefString& errorText,
                                const CefString& failedUrl) {
  Record("LoadError " + failedUrl.ToString() + " " + std::to_string(errorCode));
}

bool NetworkClient::OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                                   CefRefPtr<CefFrame> frame,
                                   CefRefPtr<CefRequest> request,
                                   bool user_gesture,
                                   bool is_redirect) {
  if (proxy_on_browse.empty())
    return false;
  CefRefPtr<CefValue> value;
  if (proxy_on_browse != "-") {
    CefRefPtr<CefDictionaryValue> proxy = CefDictionaryValue::Create();
    proxy->SetString("mode", "fixed_servers");
    proxy->SetString("server", proxy_on_browse);
    value = CefValue::Create();
    value->SetDictionary(proxy);
  }
  CefString error;
  browser->GetHost()->GetRequestContext()->SetPreference("proxy", value, error);
  return false;
}

bool NetworkClient::GetAuthCredentials(CefRefPtr<CefBrowser> browser,
                                       const CefString& origin_url,
                                       bool isProxy,
                                       const CefString& host,
                                       int port,
                                       const CefString& realm,
                                       const CefString& scheme,
                                       CefRefPtr<CefAuthCallback> callback) {
  if (!CefCurrentlyOn(TID_IO))
    callbacks_on_expected_threads = false;
  Record(std::string("Auth ") + (isProxy ? "proxy " : "server ") +
         origin_url.ToString() + " " + host.ToString() + ":" +
         std::to_string(port) + " " + realm.ToString() + " " +
         scheme.ToString());
  return auth ? auth(isProxy, callback) : false;
}

bool NetworkClient::CanDownload(CefRefPtr<CefBrowser> browser,
                                const CefString& url,
                                const CefString& request_method) {
  if (!CefCurrentlyOn(TID_UI))
    callbacks_on_expected_threads = false;
  Record("CanDownload " + url.ToString() + " " + request_method.ToString());
  return can_download;
}

void NetworkClient::OnBeforeDownload(
    CefRefPtr<CefBrowser> browser,
    CefRefPtr<CefDownloadItem> download_item,
    const CefString& suggested_name,
    CefRefPtr<CefBeforeDownloadCallback> callback) {
  if (!CefCurrentlyOn(TID_UI))
    callbacks_on_expected_threads = false;
  Record("BeforeDownload " + suggested_name.ToString() +
         ItemLine(download_item));
  if (before_download)
    before_download(download_item, suggested_name, callback);
}

void NetworkClient::OnDownloadUpdated(
    CefRefPtr<CefBrowser> browser,
    CefRefPtr<CefDownloadItem> download_item,
    CefRefPtr<CefDownloadItemCallback> callback) {
  if (!CefCurrentlyOn(TID_UI))
    callbacks_on_expected_threads = false;
  Record("Updated" + ItemLine(download_item));
  if (download_updated)
    download_updated(download_item);
}

}  // namespace cefsim_test

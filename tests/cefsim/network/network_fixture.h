// The fixture of the network tests: a started context and one browser of a
// NetworkClient, optionally on a request context of its own.
#ifndef TESTS_CEFSIM_NETWORK_NETWORK_FIXTURE_H_
#define TESTS_CEFSIM_NETWORK_NETWORK_FIXTURE_H_

#include <string>

#include "gtest/gtest.h"
#include "network_client.h"
#include "recording_client.h"
#include "wait.h"

namespace cefsim_test {

class NetworkTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(StartContext(new RecordingApp())); }
  void TearDown() override {
    browser_ = nullptr;
    CefShutdown();
  }

  // Creates the browser (on |context|, or the global one when null).
  void CreateBrowser(CefRefPtr<CefRequestContext> context = nullptr) {
    CefWindowInfo info;
    info.SetAsPopup(nullptr, "network");
    ASSERT_TRUE(CefBrowserHost::CreateBrowser(
        info, client_, "", CefBrowserSettings(), nullptr, context));
    ASSERT_TRUE(
        orvtest::WaitUntil([&] { return !client_->browsers().empty(); }));
    browser_ = client_->browsers().front();
  }

  void Load(const std::string& url) { browser_->GetMainFrame()->LoadURL(url); }

  CefRefPtr<NetworkClient> client_ = new NetworkClient();
  CefRefPtr<CefBrowser> browser_;
};

// A control text getter's result as a string ("<none>" when it has none).
template <class Getter, class... Args>
std::string ControlText(Getter get, Args... args) {
  char buffer[1024] = {};
  return get(args..., buffer, static_cast<int>(sizeof(buffer))) >= 0
             ? std::string(buffer)
             : std::string("<none>");
}

}  // namespace cefsim_test

#endif  // TESTS_CEFSIM_NETWORK_NETWORK_FIXTURE_H_

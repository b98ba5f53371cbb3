// Browsers: creation with a real window, closing as CEF 109 closes them.
#include <windows.h>

#include <string>

#include "cefsim/control_web.h"
#include "gtest/gtest.h"
#include "recording_client.h"
#include "violations.h"
#include "wait.h"

namespace {

using cefsim_test::RecordingApp;
using cefsim_test::RecordingClient;
using cefsim_test::StartContext;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// A top-level window of the test thread, standing for the host's window.
HWND MakeHostWindow() {
  return CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                         300, nullptr, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

class BrowserLifeTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(StartContext(new RecordingApp())); }
  void TearDown() override { CefShutdown(); }

  CefRefPtr<CefBrowser> Create(const CefWindowInfo& info,
                               const std::string& url) {
    const size_t before = client_->browsers().size();
    EXPECT_TRUE(CefBrowserHost::CreateBrowser(
        info, client_, url, CefBrowserSettings(), nullptr, nullptr));
    // Created later, on the UI thread.
    EXPECT_EQ(before, client_->browsers().size());
    EXPECT_TRUE(orvtest::WaitUntil(
        [&] { return client_->browsers().size() > before; }));
    return client_->browsers().back();
  }

  CefRefPtr<RecordingClient> client_ = new RecordingClient();
};

TEST_F(BrowserLifeTest, ChildBrowserClosesThroughItsTopLevelWindow) {
  HWND host = MakeHostWindow();
  ASSERT_TRUE(host);
  CefWindowInfo info;
  info.SetAsChild(host, CefRect(5, 6, 70, 80));
  CefRefPtr<CefBrowser> browser = Create(info, "");
  HWND window = browser->GetHost()->GetWindowHandle();
  EXPECT_EQ(L"CefBrowserWindow", ClassOf(window));
  EXPECT_EQ(host, GetParent(window));
  EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
  RECT rect;
  GetWindowRect(window, &rect);
  POINT origin = {rect.left, rect.top};
  ScreenToClient(host, &origin);
  EXPECT_EQ(5, origin.x);
  EXPECT_EQ(6, origin.y);
  EXPECT_EQ(70, rect.right - rect.left);
  EXPECT_EQ(80, rect.bottom - rect.top);
  EXPECT_FALSE(browser->IsPopup());
  EXPECT_GT(browser->GetIdentifier(), 0);
  EXPECT_TRUE(browser->IsSame(browser->GetHost()->GetBrowser()));
  ASSERT_TRUE(browser->GetMainFrame());
  EXPECT_EQ("", browser->GetMainFrame()->GetURL().ToString());
  EXPECT_EQ(1, cefsim_live_browser_count());

  // Forced, from the host's thread: DoClose still comes, then WM_CLOSE to
  // the host window, whose destruction ends the browser.
  browser->GetHost()->CloseBrowser(true);
  ASSERT_TRUE(client_->WaitFor("BeforeClose 1"));
  EXPECT_FALSE(IsWindow(host));
  // OnBeforeClose comes while the window handles WM_NCDESTROY on the UI
  // thread; the handle goes once that returns.
  EXPECT_TRUE(orvtest::WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_EQ(1, client_->Count("DoClose 1"));
  EXPECT_TRUE(orvtest::WaitUntil(
      [&] { return client_->main_frame_null_after_close.load(); }));
  EXPECT_FALSE(browser->IsValid());
  EXPECT_EQ(0, cefsim_live_browser_count());
  EXPECT_EQ(0, cefsim_live_frame_count());
  EXPECT_TRUE(client_->callbacks_on_ui);
}

TEST_F(BrowserLifeTest, DoCloseTrueLeavesTheWindowToTheClient) {
  client_->do_close_result = true;
  CefWindowInfo info;
  info.SetAsPopup(nullptr, "kept");
  CefRefPtr<CefBrowser> browser = Create(info, "");
  HWND window = browser->GetHost()->GetWindowHandle();
  EXPECT_EQ(nullptr, GetParent(window));
  EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_OVERLAPPEDWINDOW);
  browser->GetHost()->CloseBrowser(false);
  ASSERT_TRUE(client_->WaitFor("DoClose 1"));
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(0, client_->Count("BeforeClose 1"));

  // The user closes the window: WM_CLOSE asks DoClose again, which now
  // lets the close go on.
  client_->do_close_result = false;
  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(client_->WaitFor("BeforeClose 1"));
  EXPECT_EQ(2, client_->Count("DoClose 1"));
  EXPECT_TRUE(orvtest::WaitUntil([&] { return !IsWindow(window); }));
}

TEST_F(BrowserLifeTest, TryCloseBrowserOffTheUiThreadIsMisuse) {
  CefWindowInfo info;
  info.SetAsPopup(nullptr, "try");
  CefRefPtr<CefBrowser> browser = Create(info, "");
  EXPECT_FALSE(browser->GetHost()->TryCloseBrowser());
  EXPECT_EQ(1, orvtest::TakeViolations("TryCloseBrowser"));
  browser->GetHost()->CloseBrowser(true);
  ASSERT_TRUE(client_->WaitFor("BeforeClose 1"));
}

}  // namespace

// Host views: windows of class "CefCont" that the host creates; showing one
// moves the browser into it and pushes its route into the page.
#include <windows.h>

#include <string>

#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "json_string.h"
#include "kit_host.h"
#include "wait.h"

namespace orvtest {
namespace {

class HostViewTest : public KitHostTest {
 protected:
  void SetUp() override {
    KitHostTest::SetUp();
    ASSERT_TRUE(Start());
    browser_ = WaitForMainBrowser();
    ASSERT_TRUE(browser_);
    ASSERT_TRUE(cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs));
    frame_ = MainFrameId();
    // The host's own top-level window; the views are its children.
    top_ = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0,
                           800, 600, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }

  void TearDown() override {
    KitHostTest::TearDown();
    DestroyWindow(top_);
  }

  // A view as a host makes it: same class and instance as the kit, the
  // browser window in its user data and |route| (may be null) as "uri".
  HWND CreateView(const wchar_t* route, int width = 400, int height = 300) {
    HWND view =
        CreateWindowExW(0, L"CefCont", L"view", WS_CHILD, 0, 0, width, height,
                        top_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(view, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(browser_));
    if (route)
      SetPropA(view, "uri", const_cast<wchar_t*>(route));
    return view;
  }

  // The scripts the main frame received, once everything handed to CEF so
  // far has arrived.
  int ScriptCount() {
    cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs);
    return cefsim_frame_script_count(frame_);
  }
  std::string LastScript() {
    const int count = ScriptCount();
    return count ? ControlText(cefsim_frame_script, frame_, count - 1) : "";
  }

  SIZE BrowserSize() const {
    RECT rect = {};
    GetWindowRect(browser_, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
  }

  std::string CurrentRoute() { return Query("route").text; }

  HWND browser_ = nullptr;
  HWND top_ = nullptr;
  int64_t frame_ = 0;
};

TEST_F(HostViewTest, ShowingViewSetsRouteThenPushesThenTakesBrowser) {
  HWND view = CreateView(L"/a");
  ShowWindow(view, SW_SHOW);
  EXPECT_EQ(view, GetParent(browser_));
  EXPECT_EQ("/a", CurrentRoute());
  EXPECT_EQ("window.__push(\"/a\");", LastScript());
  const int last = cefsim_frame_script_count(frame_) - 1;
  EXPECT_EQ("native_js", ControlText(cefsim_frame_script_url, frame_, last));
  // Moving in, the browser fills the view at once.
  EXPECT_EQ(400, BrowserSize().cx);
  EXPECT_EQ(300, BrowserSize().cy);
  MoveWindow(view, 0, 0, 640, 480, TRUE);
  RECT client = {};
  GetClientRect(view, &client);
  EXPECT_EQ(client.right, BrowserSize().cx);
  EXPECT_EQ(client.bottom, BrowserSize().cy);
}

TEST_F(HostViewTest, PushesEveryRouteAsOneJsonStringLiteral) {
  const std::wstring routes[] = {
      L"/a",
      L"",
      L"/say \"hi\"",
      L"C:\\path\\to",
      L"line\nbreak\r\ttab",
      L"</script><b>",
      L"sep\u2028arators\u2029",
      L"\u4e2d\u6587/caf\u00e9/\U0001F600",
      L"ctl\x01\x1f",
  };
  for (const std::wstring& route : routes) {
    SCOPED_TRACE(Narrow(route));
    HWND view = CreateView(route.c_str());
    ShowWindow(view, SW_SHOW);
    const std::string script = LastScript();
    const std::string head = "window.__push(";
    const std::string tail = ");";
    ASSERT_EQ(0u, script.find(head));
    ASSERT_EQ(script.size() - tail.size(), script.rfind(tail));
    const std::string json =
        script.substr(head.size(), script.size() - head.size() - tail.size());
    std::wstring decoded;
    ASSERT_TRUE(DecodeJsonString(json, &decoded)) << json;
    EXPECT_EQ(route, decoded);
    // Nothing that could end a script element or a line of script.
    EXPECT_EQ(std::string::npos, json.find('<'));
    EXPECT_EQ(std::string::npos, json.find("\xE2\x80\xA8"));
    EXPECT_EQ(Narrow(route), CurrentRoute());
    ShowWindow(view, SW_HIDE);
    DestroyWindow(view);
  }
}

TEST_F(HostViewTest, HidingAViewThatDoesNotHoldTheBrowserChangesNothing) {
  HWND a = CreateView(L"/a", 300, 200);
  HWND b = CreateView(L"/b", 500, 400);
  ShowWindow(a, SW_SHOW);
  ShowWindow(b, SW_SHOW);
  ASSERT_EQ(b, GetParent(browser_));
  EXPECT_EQ("/b", CurrentRoute());
  // Hiding the old view after showing the new one, both ways a host might.
  SetWindowPos(a, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(b, GetParent(browser_));
  // The other order: hide B, show A, show B, then hide A.
  ShowWindow(b, SW_HIDE);
  ShowWindow(a, SW_SHOW);
  ShowWindow(b, SW_SHOW);
  ASSERT_EQ(b, GetParent(browser_));
  ShowWindow(a, SW_HIDE);
  EXPECT_EQ(b, GetParent(browser_));
  // Nor does resizing a view the browser is not in.
  const SIZE before = BrowserSize();
  MoveWindow(a, 0, 0, 123, 45, TRUE);
  EXPECT_EQ(before.cx, BrowserSize().cx);
  EXPECT_EQ(before.cy, BrowserSize().cy);
}

TEST_F(HostViewTest, HidingTheCurrentViewReturnsBrowserAndDestroyEndsRoute) {
  const HWND container = GetParent(browser_);
  HWND a = CreateView(L"/a");
  ShowWindow(a, SW_SHOW);
  SetWindowPos(a, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(container, GetParent(browser_));
  // Hiding keeps the route; destroying the view that holds it ends it.
  EXPECT_EQ("/a", CurrentRoute());
  DestroyWindow(a);
  EXPECT_EQ("", CurrentRoute());
  // The usual order: hide the old view, then show the new one.
  HWND b = CreateView(L"/b");
  HWND c = CreateView(L"/c");
  ShowWindow(b, SW_SHOW);
  ShowWindow(b, SW_HIDE);
  EXPECT_EQ(container, GetParent(browser_));
  ShowWindow(c, SW_SHOW);
  EXPECT_EQ(c, GetParent(browser_));
  // Destroying a view whose route is no longer current leaves the route.
  DestroyWindow(b);
  EXPECT_EQ("/c", CurrentRoute());
}

TEST_F(HostViewTest, ViewWithoutRoutePushesTheEmptyRoute) {
  HWND view = CreateView(nullptr);
  ShowWindow(view, SW_SHOW);
  EXPECT_EQ(view, GetParent(browser_));
  EXPECT_EQ("window.__push(\"\");", LastScript());
  EXPECT_EQ("", CurrentRoute());
}

TEST_F(HostViewTest, MouseDownInTheBrowserNotifiesTheHost) {
  HWND view = CreateView(L"/a");
  ShowWindow(view, SW_SHOW);
  SendMessageW(view, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 0),
               reinterpret_cast<LPARAM>(browser_));
  SendMessageW(view, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, 0),
               reinterpret_cast<LPARAM>(browser_));
  EXPECT_EQ(0u, host_->message_count());
  for (UINT button : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN})
    SendMessageW(view, WM_PARENTNOTIFY, MAKEWPARAM(button, 0), 0);
  ASSERT_TRUE(WaitUntil([&] { return host_->message_count() == 3; }));
  for (const HostMessage& message : host_->messages())
    EXPECT_TRUE(message.is_notification);
}

TEST_F(HostViewTest, PrevTermTakesBrowserBackAndViewsDoNothingAfterTerm) {
  const HWND container = GetParent(browser_);
  HWND view = CreateView(L"/a");
  ShowWindow(view, SW_SHOW);
  kit_.PrevTerm();
  EXPECT_EQ(container, GetParent(browser_));
  EXPECT_TRUE(GetPropA(view, "uri"));
  Terminate();
  // The host still has its views; hiding them now touches nothing.
  ShowWindow(view, SW_SHOW);
  ShowWindow(view, SW_HIDE);
  SetWindowPos(view, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  DestroyWindow(view);
}

// CEF closes a child browser by posting WM_CLOSE to its top-level ancestor.
// After OrvCefPrevTerm that is the kit's hidden container, never the host.
int g_host_closes = 0;

LRESULT CALLBACK CountingFrameProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_CLOSE) {
    ++g_host_closes;
    return 0;
  }
  return DefWindowProcW(hwnd, msg, w, l);
}

TEST_F(HostViewTest, TermNeverSendsTheHostWindowWmClose) {
  g_host_closes = 0;
  WNDCLASSEXW window_class = {sizeof(window_class)};
  window_class.lpfnWndProc = CountingFrameProc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"OrvTestHostFrame";
  RegisterClassExW(&window_class);
  HWND frame = CreateWindowExW(0, window_class.lpszClassName, L"frame",
                               WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr,
                               nullptr, window_class.hInstance, nullptr);
  HWND view =
      CreateWindowExW(0, L"CefCont", L"view", WS_CHILD, 0, 0, 400, 300, frame,
                      nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(view, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(browser_));
  SetPropA(view, "uri", const_cast<wchar_t*>(L"/a"));
  ShowWindow(view, SW_SHOW);
  ASSERT_EQ(view, GetParent(browser_));
  kit_.PrevTerm();
  Terminate();
  // Let anything posted to the host's window arrive.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageW(&message);
  EXPECT_EQ(0, g_host_closes);
  EXPECT_EQ(0, cefsim_live_browser_count());
  DestroyWindow(frame);
}

}  // namespace
}  // namespace orvtest

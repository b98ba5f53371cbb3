// Shutdown as a careless host does it: OrvCefTerm without OrvCefPrevTerm,
// views shown again after OrvCefPrevTerm, popups that open while the kit is
// closing, browsers something outside the kit keeps from closing, and a
// start racing the end. OrvCefTerm must always return, and no host window
// may ever receive a WM_CLOSE from the kit.
#include <windows.h>

#include <stdio.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "cefsim/control.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "hardened_host.h"
#include "violations.h"
#include "wait.h"

namespace orvtest {
namespace {

// Far above anything a sound OrvCefTerm takes, including its own limit on
// waiting for browsers that cannot close.
constexpr DWORD kTermLimitMs = 30000;

// A host's top-level window with one view of class "CefCont" that shows the
// kit's browser. Counts the WM_CLOSE messages the top-level window gets and,
// when asked to, refuses them as a host that asks "really quit?" does.
class HostFrame {
 public:
  HostFrame(HWND browser, bool refuse_close) : refuse_close_(refuse_close) {
    RegisterClassOnce();
    top_ = CreateWindowExW(0, kClassName, L"host", WS_OVERLAPPEDWINDOW, 0, 0,
                           800, 600, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(top_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    view_ = CreateWindowExW(0, L"CefCont", L"view", WS_CHILD, 0, 0, 400, 300,
                            top_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(view_, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(browser));
    SetPropA(view_, "uri", const_cast<wchar_t*>(L"/orders"));
  }
  ~HostFrame() {
    SetWindowLongPtrW(top_, GWLP_USERDATA, 0);
    DestroyWindow(top_);
  }
  HostFrame(const HostFrame&) = delete;
  HostFrame& operator=(const HostFrame&) = delete;

  HWND top() const { return top_; }
  HWND view() const { return view_; }
  int close_count() const { return close_count_; }

 private:
  static constexpr wchar_t kClassName[] = L"OrvTestHostFrame";

  static void RegisterClassOnce() {
    WNDCLASSEXW window_class = {sizeof(window_class)};
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kClassName;
    RegisterClassExW(&window_class);
  }

  static LRESULT CALLBACK WindowProc(HWND window,
                                     UINT message,
                                     WPARAM wparam,
                                     LPARAM lparam) {
    auto* frame =
        reinterpret_cast<HostFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (frame && message == WM_CLOSE) {
      ++frame->close_count_;
      if (frame->refuse_close_)
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
  }

  const bool refuse_close_;
  HWND top_ = nullptr;
  HWND view_ = nullptr;
  std::atomic<int> close_count_{0};
};

// A HostFrame made, shown and served by a host thread of its own.
class HostFrameThread {
 public:
  // |setup| runs on the thread once the frame exists.
  HostFrameThread(HWND browser,
                  bool refuse_close,
                  std::function<void(HostFrame*)> setup) {
    thread_ = std::thread([=] {
      MSG msg;
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // Makes the queue.
      auto frame = std::make_unique<HostFrame>(browser, refuse_close);
      setup(frame.get());
      frame_ = frame.get();
      thread_id_ = GetCurrentThreadId();
      while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
      frame_ = nullptr;
    });
    EXPECT_TRUE(WaitUntil([&] { return frame_ != nullptr; }));
  }
  ~HostFrameThread() {
    PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
    thread_.join();
  }

  HostFrame* frame() const { return frame_; }

 private:
  std::thread thread_;
  std::atomic<HostFrame*> frame_{nullptr};
  std::atomic<DWORD> thread_id_{0};
};

// OrvCefTerm on this thread. A call that does not return in time fails the
// test program at once instead of leaving it hanging.
void TermWithin(KitLibrary& kit, DWORD limit_ms = kTermLimitMs) {
  HANDLE returned = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread watchdog([returned, limit_ms] {
    if (WaitForSingleObject(returned, limit_ms) == WAIT_OBJECT_0)
      return;
    fprintf(stderr, "OrvCefTerm did not return within %lu ms\n",
            static_cast<unsigned long>(limit_ms));
    fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
  });
  kit.Term();
  SetEvent(returned);
  watchdog.join();
  CloseHandle(returned);
  EXPECT_FALSE(kit.Initialized());
  EXPECT_EQ(0, cefsim_live_browser_count());
}

class CarelessShutdownTest : public HardenedHostTest {
 protected:
  void SetUp() override {
    HardenedHostTest::SetUp();
    StartApp();
    browser_ = kit_.GetMainWindowHandle();
    ASSERT_TRUE(browser_);
  }

  // OrvCefTerm alone, as a host that forgot OrvCefPrevTerm calls it.
  void TermWithin() {
    terminated_ = true;
    orvtest::TermWithin(kit_);
  }

  // Every browser closed on its own before CefShutdown.
  void ExpectEveryBrowserClosedBeforeShutdown() {
    EXPECT_EQ(0, cefsim_note_count("shutdown-with-browsers"));
  }

  HWND browser_ = nullptr;
};

TEST_F(CarelessShutdownTest, TermWithoutPrevTermLeavesHostWindowsAlone) {
  // The view's top-level window belongs to the thread that calls OrvCefTerm:
  // a WM_CLOSE posted there would never be served while OrvCefTerm waits.
  {
    HostFrame same_thread(browser_, /*refuse_close=*/false);
    ShowWindow(same_thread.view(), SW_SHOW);
    ASSERT_EQ(same_thread.view(), GetParent(browser_));
    TermWithin();
    EXPECT_EQ(0, same_thread.close_count());
    EXPECT_TRUE(IsWindow(same_thread.top()));
  }
  ExpectEveryBrowserClosedBeforeShutdown();
}

TEST_F(CarelessShutdownTest, TermWithoutPrevTermSparesAnotherThreadsWindow) {
  HostFrameThread host(browser_, /*refuse_close=*/false, [](HostFrame* frame) {
    ShowWindow(frame->view(), SW_SHOW);
    ShowWindow(frame->top(), SW_SHOW);
  });
  ASSERT_TRUE(host.frame());
  ASSERT_EQ(host.frame()->view(), GetParent(browser_));
  TermWithin();
  // Default handling of a WM_CLOSE would have destroyed the host's window.
  EXPECT_EQ(0, host.frame()->close_count());
  EXPECT_TRUE(IsWindow(host.frame()->top()));
  ExpectEveryBrowserClosedBeforeShutdown();
}

TEST_F(CarelessShutdownTest, ViewShownAgainAfterPrevTermIsTakenBackByTerm) {
  HostFrame frame(browser_, /*refuse_close=*/false);
  ShowWindow(frame.view(), SW_SHOW);
  kit_.PrevTerm();
  ASSERT_NE(frame.view(), GetParent(browser_));
  ShowWindow(frame.view(), SW_HIDE);
  ShowWindow(frame.view(), SW_SHOW);
  ASSERT_EQ(frame.view(), GetParent(browser_));
  TermWithin();
  EXPECT_EQ(0, frame.close_count());
  EXPECT_TRUE(IsWindow(frame.top()));
  ExpectEveryBrowserClosedBeforeShutdown();
}

TEST_F(CarelessShutdownTest, ViewShownAfterTermDoesNothingOfTheKits) {
  HostFrame frame(browser_, /*refuse_close=*/false);
  ShowWindow(frame.view(), SW_SHOW);
  Terminate();
  // The view still names the dead browser. Showing, sizing and destroying it
  // now must not reach CEF (which would report every call as a violation
  // after CefShutdown) nor the browser's old window handle.
  ShowWindow(frame.view(), SW_HIDE);
  ShowWindow(frame.view(), SW_SHOW);
  SetWindowPos(frame.view(), nullptr, 0, 0, 300, 200,
               SWP_NOMOVE | SWP_NOZORDER);
  DestroyWindow(frame.view());
  EXPECT_EQ(0, cefsim_violation_count());
  EXPECT_FALSE(kit_.Initialized());
}

TEST_F(CarelessShutdownTest, PopupOpenedWhileTermWaitsIsClosedToo) {
  // The page's query holds CEF's UI thread in the host until OrvCefTerm has
  // begun (it takes the browser out of the view first); then the page opens
  // a popup, which arrives after the first close sweep.
  cefsim_web_serve("https://app.example/late", 200, "late", "<p>late</p>");
  HostFrame frame(browser_, /*refuse_close=*/false);
  ShowWindow(frame.view(), SW_SHOW);
  const HWND view = frame.view();
  const HWND browser = browser_;
  const int browser_id = MainBrowserId();
  const int64_t main_frame = MainFrameId();
  std::atomic<bool> popup_requested{false};
  host_->set_reply_writer([&](const std::wstring& request, char* buffer,
                              size_t size) {
    if (request == L"hold") {
      WaitUntil([&] { return GetParent(browser) != view; });
      popup_requested = cefsim_page_open_popup(browser_id, main_frame,
                                               "https://app.example/late", 0, 0,
                                               0, 0, 300, 1, 200, 1) != 0;
    }
    HostMessageWindow::WriteReply("ok:", buffer, size);
  });
  SendQuery("hold");
  ASSERT_TRUE(WaitUntil([&] { return host_->message_count() > 0; }));
  TermWithin();
  EXPECT_TRUE(popup_requested);
  EXPECT_EQ(0, frame.close_count());
  ExpectEveryBrowserClosedBeforeShutdown();
}

TEST_F(CarelessShutdownTest, BrowserThatCannotCloseIsLeftToCefShutdown) {
  // A host that took a popup into its own window, which refuses WM_CLOSE:
  // CEF's close never completes. OrvCefTerm gives up waiting after its limit
  // and lets CefShutdown destroy the popup.
  cefsim_web_serve("https://app.example/pop", 200, "pop", "<p>pop</p>");
  ASSERT_TRUE(cefsim_page_open_popup(MainBrowserId(), MainFrameId(),
                                     "https://app.example/pop", 0, 0, 0, 0, 300,
                                     1, 200, 1));
  HWND popup = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    int ids[8] = {};
    const int count = cefsim_live_browser_ids(ids, 8);
    for (int i = 0; i < count && i < 8; ++i) {
      if (cefsim_browser_is_popup(ids[i]))
        popup = static_cast<HWND>(cefsim_browser_window(ids[i]));
    }
    return popup != nullptr;
  }));
  HostFrameThread host(
      browser_, /*refuse_close=*/true, [popup](HostFrame* frame) {
        SetWindowLongPtrW(popup, GWL_STYLE, WS_CHILD | WS_VISIBLE);
        SetParent(popup, frame->top());
      });
  ASSERT_TRUE(host.frame());
  ASSERT_EQ(host.frame()->top(), GetAncestor(popup, GA_ROOT));
  const ULONGLONG before = GetTickCount64();
  TermWithin();
  const ULONGLONG took = GetTickCount64() - before;
  EXPECT_GE(host.frame()->close_count(), 1);
  EXPECT_TRUE(IsWindow(host.frame()->top()));
  EXPECT_FALSE(IsWindow(popup));
  // The kit waited its limit, then CefShutdown closed what was left. CEF's
  // own wrapper, in a debug build, objects to the callbacks that brings
  // after it has marked the shutdown; a release build goes on. That is the
  // price of a host window that will not let the browser go.
  EXPECT_EQ(1, cefsim_note_count("shutdown-with-browsers"));
  TakeViolations("Object reference incorrectly held at CefShutdown");
  EXPECT_LT(took, static_cast<ULONGLONG>(kTermLimitMs));
}

TEST_F(CarelessShutdownTest, StartOnAnotherThreadDuringTermIsRefused) {
  // The browser sits in a view of a third thread, so OrvCefTerm's first
  // step shows: the browser leaves the view.
  HostFrameThread host(browser_, /*refuse_close=*/false, [](HostFrame* frame) {
    ShowWindow(frame->view(), SW_SHOW);
    ShowWindow(frame->top(), SW_SHOW);
  });
  ASSERT_TRUE(host.frame());
  const HWND view = host.frame()->view();
  const HWND browser = browser_;
  std::atomic<bool> go{false};
  std::atomic<bool> start_called{false};
  std::atomic<int> start_result{-1};
  std::thread starter([&] {
    WaitUntil([&] { return go.load(); }, kTermLimitMs);
    start_called = true;
    start_result = kit_.Start(GetModuleHandleW(nullptr), nullptr,
                              L"https://app.example/", L"app.example\0", 0);
  });
  // The page's query holds CEF's UI thread, and so the closing, until the
  // other host thread has called OrvCefStart while OrvCefTerm runs. That
  // start must not send a closing browser anywhere and report success.
  host_->set_reply_writer(
      [&](const std::wstring& request, char* buffer, size_t size) {
        if (request == L"hold") {
          WaitUntil([&] { return GetParent(browser) != view; });
          go = true;
          WaitUntil([&] { return start_called.load(); });
        }
        HostMessageWindow::WriteReply("ok:", buffer, size);
      });
  SendQuery("hold");
  ASSERT_TRUE(WaitUntil([&] { return host_->message_count() > 0; }));
  TermWithin();
  starter.join();
  EXPECT_EQ(0, start_result);
  EXPECT_EQ(0, host.frame()->close_count());
}

class SlowContextTest : public HardenedHostTest {};

TEST_F(SlowContextTest, TermGivesUpWaitingForAContextThatNeverComesUp) {
  // CEF's start-up never reaches OnContextInitialized before the host ends:
  // OrvCefTerm waits for it only so long, then shuts down, and no main
  // browser is created in the dying context.
  cefsim_delay_next_context_initialized(10 * 60 * 1000);
  ASSERT_TRUE(Start());
  terminated_ = true;
  TermWithin(kit_);
  EXPECT_EQ(nullptr, kit_.GetMainWindowHandle());
  EXPECT_EQ(0, cefsim_browser_object_count());
}

}  // namespace
}  // namespace orvtest

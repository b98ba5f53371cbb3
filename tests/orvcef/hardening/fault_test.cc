// Faults around the kit: a renderer that dies with queries pending, a host
// window that goes away or answers slowly, a shutdown with popups and a
// question on screen, and every way a start can fail.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "cefsim/control_network.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "hardened_host.h"
#include "wait.h"

namespace orvtest {
namespace {

constexpr char kPopupUrl[] = "https://app.example/popup";

class FaultTest : public HardenedHostTest {
 protected:
  // Opens a popup of the application; returns its browser id.
  int OpenPopup() {
    int before[16] = {};
    const int count = cefsim_live_browser_ids(before, 16);
    EXPECT_TRUE(cefsim_page_open_popup(MainBrowserId(), MainFrameId(),
                                       kPopupUrl, 0, 0, 0, 0, 300, 1, 200, 1));
    int ids[16] = {};
    if (!WaitUntil([&] { return cefsim_live_browser_ids(ids, 16) > count; }))
      return 0;
    return ids[count];
  }
};

TEST_F(FaultTest, RendererKilledWithQueriesPendingThenReloadServesAgain) {
  StartApp();
  const int browser = MainBrowserId();
  HANDLE holding = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  host_->set_reply_writer([holding, release](const std::wstring& request,
                                             char* buffer, size_t size) {
    if (request == L"hold") {
      SetEvent(holding);
      WaitForSingleObject(release, kDefaultTimeoutMs);
    }
    HostMessageWindow::WriteReply("ok:" + Narrow(request), buffer, size);
  });
  // The host holds CEF's UI thread on one query while more queue up; the
  // operating system's kill queues behind those, and the page goes on
  // asking behind the kill.
  ASSERT_NE(0, SendQuery("hold"));
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(holding, kDefaultTimeoutMs));
  for (int i = 0; i < 5; ++i)
    ASSERT_NE(0, SendQuery("before " + std::to_string(i)));
  std::atomic<bool> killing{false};
  std::atomic<bool> killed{false};
  std::thread killer([&] {
    killing = true;
    killed = cefsim_os_kill_renderer(browser) != 0;
  });
  ASSERT_TRUE(WaitUntil([&] { return killing.load(); }));
  for (int i = 0; i < 10; ++i)
    ASSERT_NE(0, SendQuery("after " + std::to_string(i)));
  SetEvent(release);
  killer.join();
  ASSERT_TRUE(killed);
  // The kit is not stuck on the dead page: the host reloads and is served.
  kit_.ReloadMainBrowser();
  ASSERT_TRUE(WaitUntil(
      [&] { return cefsim_browser_renderer_launches(browser) == 2; }));
  ASSERT_TRUE(WaitUntil([&] {
    return cefsim_frame_navigation_count(MainFrameId()) > 1 &&
           !cefsim_browser_is_loading(browser) &&
           cefsim_page_sync(browser, kDefaultTimeoutMs);
  }));
  host_->set_reply_writer(
      [](const std::wstring& request, char* buffer, size_t size) {
        HostMessageWindow::WriteReply("ok:" + Narrow(request), buffer, size);
      });
  const PageOutcome served = Query("after reload");
  ASSERT_TRUE(served.answered);
  EXPECT_TRUE(served.success);
  EXPECT_EQ("after reload", served.text);
  // Some queries died with their page; none was answered twice.
  int unanswered = 0;
  for (int query : sent_queries_) {
    const int outcomes = cefsim_page_wait_outcomes(query, 2, 0);
    EXPECT_GE(1, outcomes);
    unanswered += outcomes == 0;
  }
  EXPECT_GT(unanswered, 0);
  CloseHandle(release);
  CloseHandle(holding);
}

TEST_F(FaultTest, DestroyedHostWindowAnswersUnknownWithoutHanging) {
  StartApp();
  for (int i = 0; i < 20; ++i)
    ASSERT_NE(0, SendQuery("before " + std::to_string(i)));
  // The window goes away while those are flowing; the kit still sends to
  // its stale handle.
  host_.reset();
  for (int i = 0; i < 20; ++i)
    ASSERT_NE(0, SendQuery("after " + std::to_string(i)));
  ExpectEachAnsweredOnce();
  int unknown = 0;
  for (size_t i = 0; i < sent_queries_.size(); ++i) {
    const PageOutcome outcome = WaitForOutcome(sent_queries_[i]);
    if (outcome.success) {
      EXPECT_LT(i, 20u) << "served after the window was gone";
      continue;
    }
    EXPECT_EQ(-1, outcome.error_code);
    EXPECT_EQ("Unknown", outcome.text);
    ++unknown;
  }
  EXPECT_GE(unknown, 20);
}

TEST_F(FaultTest, SlowHostDelaysOnlyThePageAndTermStillCompletes) {
  StartApp();
  HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<int> serving{0};
  host_->set_reply_writer([never, &serving](const std::wstring& request,
                                            char* buffer, size_t size) {
    ++serving;
    // A host busy for a while with each query.
    WaitForSingleObject(never, 300);
    HostMessageWindow::WriteReply("ok:" + Narrow(request), buffer, size);
  });
  for (int i = 0; i < 4; ++i)
    ASSERT_NE(0, SendQuery("slow " + std::to_string(i)));
  ASSERT_TRUE(WaitUntil([&] { return serving > 0; }));
  // The exports that need no answer from CEF return while the host works.
  const auto start = std::chrono::steady_clock::now();
  kit_.RunJs(L"busy()");
  kit_.SetErrorPage(L"<p>busy</p>");
  kit_.SetMsgWnd(host_->hwnd());
  EXPECT_NE(nullptr, kit_.GetMainWindowHandle());
  EXPECT_TRUE(kit_.Initialized());
  EXPECT_LT(std::chrono::steady_clock::now() - start,
            std::chrono::milliseconds(250));
  ExpectEachAnsweredOnce();
  for (size_t i = 0; i < sent_queries_.size(); ++i)
    EXPECT_EQ("slow " + std::to_string(i),
              WaitForOutcome(sent_queries_[i]).text);

  // Shutting down with a slow query in flight.
  const size_t in_flight = host_->message_count() + 1;
  ASSERT_NE(0, SendQuery("last"));
  ASSERT_TRUE(WaitUntil([&] { return host_->message_count() == in_flight; }));
  Terminate();
  EXPECT_FALSE(kit_.Initialized());
  EXPECT_EQ(0, cefsim_live_browser_count());
  CloseHandle(never);
}

TEST_F(FaultTest, TermWaitsForTheDownloadQuestionWithPopupsOpen) {
  StartApp();
  cefsim_web_serve(kPopupUrl, 200, "Popup", "<p>popup</p>");
  ASSERT_NE(0, OpenPopup());
  ASSERT_NE(0, OpenPopup());
  const HWND main_window = kit_.GetMainWindowHandle();
  const int download = StartDownload("term.orvtest-none", true);
  ASSERT_TRUE(download);
  ASSERT_TRUE(cefsim_download_wait_phase(download, CEFSIM_DOWNLOAD_HELD,
                                         kDefaultTimeoutMs));
  ASSERT_TRUE(cefsim_download_finish(download));
  char text[256] = {};
  ASSERT_TRUE(
      cefsim_message_box_wait(main_window, kDefaultTimeoutMs, text, 256));

  // The question is showing; the host ends. The user answers meanwhile.
  std::atomic<bool> terminating{false};
  std::atomic<bool> answered{false};
  std::thread user([&] {
    if (!WaitUntil([&] { return terminating.load(); }))
      return;
    answered = cefsim_message_box_answer(main_window, IDNO, kDefaultTimeoutMs);
  });
  terminating = true;
  Terminate();
  user.join();
  EXPECT_TRUE(answered);
  EXPECT_FALSE(kit_.Initialized());
  EXPECT_EQ(0, cefsim_live_browser_count());
}

TEST_F(FaultTest, HostThreadsRacingTheEndNeverCrash) {
  StartApp();
  ASSERT_NE(0, OpenPopup());
  const int main = MainBrowserId();
  std::atomic<bool> stop{false};
  std::vector<std::thread> threads;
  // Each round waits, briefly, until CEF has caught up with the one before
  // (a sync through the main browser's renderer), so the threads race the
  // end rather than bury it under queued work.
  threads.emplace_back([&] {
    while (!stop) {
      kit_.ReloadMainBrowser();
      kit_.Start(nullptr, nullptr, L"https://app.example/", L"app.example\0",
                 0);
      cefsim_page_sync(main, 200);
    }
  });
  threads.emplace_back([&] {
    for (int i = 0; !stop; ++i) {
      kit_.SetProxy(i % 2 ? L"pa.test:1" : L"pb.test:2", L"u", L"p");
      kit_.SetErrorPage(i % 2 ? L"<p>a</p>" : L"<p>b</p>");
      kit_.RunJs(L"tick()");
      kit_.GetMainWindowHandle();
      cefsim_page_sync(main, 200);
    }
  });
  for (int i = 0; i < 20; ++i)
    ASSERT_NE(0, SendQuery("racing " + std::to_string(i)));
  Terminate();
  stop = true;
  for (std::thread& thread : threads)
    thread.join();
  EXPECT_FALSE(kit_.Initialized());
  EXPECT_EQ(nullptr, kit_.GetMainWindowHandle());
  EXPECT_EQ(0, cefsim_live_browser_count());
  EXPECT_EQ(0, cefsim_browser_object_count());
}

TEST_F(FaultTest, EveryFailedStartLeavesTheExportsSafe) {
  // CefInitialize fails: the kit reports it and stays initialised.
  cefsim_fail_next_initialize();
  EXPECT_FALSE(Start());
  EXPECT_TRUE(kit_.Initialized());
  EXPECT_EQ(nullptr, kit_.GetMainWindowHandle());
  kit_.RunJs(L"nothing()");
  kit_.ReloadMainBrowser();
  kit_.SetProxy(L"proxy.test:1", L"u", L"p");
  kit_.SetErrorPage(L"<p/>");
  EXPECT_FALSE(
      kit_.Start(nullptr, nullptr, L"https://app.example/", nullptr, 0));
  EXPECT_EQ(0, cefsim_live_browser_count());
  kit_.PrevTerm();
  kit_.Term();
  EXPECT_FALSE(kit_.Initialized());
  // A start after the end is refused without touching CEF, every time.
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(Start());
    EXPECT_FALSE(kit_.Initialized());
    EXPECT_EQ(nullptr, kit_.GetMainWindowHandle());
    kit_.Term();
  }
  EXPECT_EQ(0, cefsim_live_browser_count());
}

}  // namespace
}  // namespace orvtest

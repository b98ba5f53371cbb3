// Four host threads drive every export that may be called at any time
// while a page queries without pause: nothing crashes or deadlocks, every
// query is answered exactly once and every stored value is used whole.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
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
constexpr char kFailingFrame[] = "https://app.example/failing-frame";
constexpr auto kRunTime = std::chrono::seconds(2);
constexpr int kMaxPending = 8;

// Two long values of each kind; a reader that saw one half written would
// see neither.
std::wstring Filled(wchar_t letter, const std::wstring& head) {
  return head + std::wstring(4 * 1024, letter);
}

class ConcurrencyTest : public HardenedHostTest {};

TEST_F(ConcurrencyTest, HostThreadsRaceAQueryingPage) {
  cefsim_web_serve(kPopupUrl, 200, "Popup", "<p>popup</p>");
  cefsim_web_fail(kFailingFrame, -106, 0);
  cefsim_web_add_subframe(kAppUrl, kFailingFrame);
  const std::wstring pages[] = {Filled(L'a', L"<p>A</p>"),
                                Filled(L'b', L"<p>B</p>")};
  kit_.SetErrorPage(pages[0].c_str());
  StartApp(L"app.example\0one.test\0");
  const int main = MainBrowserId();
  // The page that queries lives in a popup, which reloads and new start
  // URLs leave alone: a document that went away would take its pending
  // queries with it.
  ASSERT_TRUE(cefsim_page_open_popup(main, MainFrameId(), kPopupUrl, 0, 0, 0, 0,
                                     300, 1, 200, 1));
  int ids[4] = {};
  ASSERT_TRUE(WaitUntil([&] { return cefsim_live_browser_ids(ids, 4) == 2; }));
  const int popup = ids[1];
  ASSERT_TRUE(WaitUntil([&] {
    return cefsim_frame_navigation_count(cefsim_main_frame_id(popup)) > 0 &&
           cefsim_page_sync(popup, kDefaultTimeoutMs);
  }));

  const std::wstring scripts[] = {Filled(L'c', L"//C"), Filled(L'd', L"//D")};
  const wchar_t* servers[] = {L"pa.test:1111", L"pb.test:2222"};
  const wchar_t* lists[] = {L"app.example\0one.test\0",
                            L"two.test\0app.example\0"};
  const HWND window = host_->hwnd();

  // Each host thread makes one round of calls per answer the page gets, so
  // the work it hands CEF cannot outgrow what CEF gets through.
  std::atomic<bool> stop{false};
  std::atomic<int> answered{0};
  auto paced = [&](const std::function<void(int)>& round) {
    return [&, round] {
      for (int i = 0; !stop; ++i) {
        round(i);
        const int seen = answered;
        WaitUntil([&] { return stop || answered > seen; });
      }
    };
  };
  std::vector<std::thread> threads;
  threads.emplace_back(paced([&](int i) {
    kit_.SetErrorPage(pages[i % 2].c_str());
    kit_.SetProxy(servers[i % 2], L"user", L"secret");
  }));
  threads.emplace_back(
      paced([&](int i) { kit_.RunJs(scripts[i % 2].c_str()); }));
  threads.emplace_back(paced([&](int i) {
    kit_.ReloadMainBrowser();
    kit_.Start(nullptr, nullptr, L"https://app.example/", lists[i % 2], 0);
  }));
  threads.emplace_back(
      paced([&](int i) { kit_.SetMsgWnd(i % 2 ? nullptr : window); }));

  const int64_t popup_frame = cefsim_main_frame_id(popup);
  const auto end = std::chrono::steady_clock::now() + kRunTime;
  bool stalled = false;
  while (!stalled && std::chrono::steady_clock::now() < end) {
    if (sent_queries_.size() - answered >= kMaxPending) {
      // Waiting for an answer is bounded; a deadlock ends the run here.
      stalled = cefsim_page_wait_outcomes(sent_queries_[answered], 1,
                                          kDefaultTimeoutMs) != 1;
      ++answered;
      continue;
    }
    stalled = !SendQuery("q" + std::to_string(sent_queries_.size()), popup,
                         popup_frame);
  }
  stop = true;
  for (std::thread& thread : threads)
    thread.join();
  ASSERT_FALSE(stalled) << "query " << answered - 1 << " stalled";
  kit_.SetMsgWnd(window);
  ExpectEachAnsweredOnce(0, popup);

  // Each answer is the host's echo of its own request, or "not ready" while
  // no window was set; never a refusal, as both lists allow the page.
  int served = 0;
  for (size_t i = 0; i < sent_queries_.size(); ++i) {
    const PageOutcome outcome = WaitForOutcome(sent_queries_[i]);
    if (outcome.success) {
      EXPECT_EQ("q" + std::to_string(i), outcome.text);
      ++served;
    } else {
      EXPECT_EQ(-2, outcome.error_code) << i << ": " << outcome.text;
    }
  }
  EXPECT_GT(served, 0);
  EXPECT_GT(sent_queries_.size(), static_cast<size_t>(kMaxPending));

  // Scripts and error pages reached the page whole.
  int64_t frames[512] = {};
  const int frame_count = cefsim_browser_frame_ids(main, frames, 512);
  ASSERT_LE(frame_count, 512);
  const std::string page_texts[] = {RuntimeUtf8(pages[0]),
                                    RuntimeUtf8(pages[1])};
  const std::string script_texts[] = {RuntimeUtf8(scripts[0]),
                                      RuntimeUtf8(scripts[1])};
  for (int f = 0; f < frame_count; ++f) {
    if (ControlText(cefsim_frame_url, frames[f]).rfind("data:", 0) == 0) {
      const std::string html = ControlText(cefsim_frame_html, frames[f]);
      EXPECT_TRUE(html == page_texts[0] || html == page_texts[1]);
    }
    for (int s = 0; s < cefsim_frame_script_count(frames[f]); ++s) {
      const std::string script = ControlText(cefsim_frame_script, frames[f], s);
      EXPECT_TRUE(script == script_texts[0] || script == script_texts[1]);
    }
  }
  // Every navigation went direct or through one of the two servers whole.
  char mode[64];
  char server[256];
  for (int r = 0; r < cefsim_network_request_count(); ++r) {
    ASSERT_TRUE(cefsim_network_request_proxy(r, mode, sizeof(mode), server,
                                             sizeof(server)));
    const std::string used(server);
    EXPECT_TRUE(used.empty() || used == "pa.test:1111" ||
                used == "pb.test:2222")
        << used;
  }
}

}  // namespace
}  // namespace orvtest

namespace orvtest {
namespace {

// Two host threads make the first start at the same moment: CEF comes up
// once, both calls agree it is up, and the one main browser is created.
TEST_F(ConcurrencyTest, SimultaneousFirstStartsInitializeCefOnce) {
  kit_.SetMsgWnd(host_->hwnd());
  HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<int> succeeded{0};
  std::vector<std::thread> threads;
  for (int i = 0; i < 2; ++i) {
    threads.emplace_back([&] {
      WaitForSingleObject(go, kDefaultTimeoutMs);
      if (kit_.Start(GetModuleHandleW(nullptr), nullptr,
                     L"https://app.example/", L"app.example\0", 0)) {
        ++succeeded;
      }
    });
  }
  SetEvent(go);
  for (std::thread& thread : threads)
    thread.join();
  CloseHandle(go);
  EXPECT_EQ(2, succeeded);
  EXPECT_EQ(0, cefsim_note_count("initialize-again"));
  WaitForMainBrowser();
  EXPECT_EQ(1, cefsim_live_browser_count());
  EXPECT_TRUE(Query("served").success);
  // Which thread started CEF is the kit's secret; the host that raced
  // cannot end it on the right one, so this process ends with CEF up.
  terminated_ = true;
}

}  // namespace
}  // namespace orvtest

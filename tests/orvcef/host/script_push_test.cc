// Host to page: OrvCefRunJs runs script in the main frame of the main
// browser, from whichever thread the host calls it on.
#include <windows.h>

#include <atomic>
#include <thread>

#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "kit_host.h"
#include "wait.h"

namespace orvtest {
namespace {

class ScriptPushTest : public KitHostTest {};

TEST_F(ScriptPushTest, RunsHostScriptInMainFrameOnly) {
  cefsim_web_serve("https://app.example/sub", 200, "sub", "<p>sub</p>");
  cefsim_web_add_subframe(kAppUrl, "https://app.example/sub");
  // Before the start nothing is there to run in.
  kit_.RunJs(L"early()");
  ASSERT_TRUE(Start());
  WaitForMainBrowser();
  const int64_t main = MainFrameId();
  ASSERT_TRUE(
      WaitUntil([&] { return FrameShowing("https://app.example/sub") != 0; }));
  const int64_t sub = FrameShowing("https://app.example/sub");

  kit_.RunJs(L"one()");
  std::thread other([this] { kit_.RunJs(L"two()"); });
  other.join();
  kit_.RunJs(nullptr);
  kit_.RunJs(L"");
  ASSERT_TRUE(cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs));
  ASSERT_EQ(2, cefsim_frame_script_count(main));
  EXPECT_EQ("one()", ControlText(cefsim_frame_script, main, 0));
  EXPECT_EQ("two()", ControlText(cefsim_frame_script, main, 1));
  EXPECT_EQ("native_js", ControlText(cefsim_frame_script_url, main, 1));
  EXPECT_EQ(0, cefsim_frame_script_count(sub));

  Terminate();
  kit_.RunJs(L"late()");
}

TEST_F(ScriptPushTest, ScriptsRacingShutdownNeverCrash) {
  ASSERT_TRUE(Start());
  WaitForMainBrowser();
  std::atomic<bool> stop{false};
  std::thread pusher([&] {
    while (!stop)
      kit_.RunJs(L"tick()");
  });
  Terminate();
  stop = true;
  pusher.join();
  EXPECT_EQ(0, cefsim_live_browser_count());
}

}  // namespace
}  // namespace orvtest

// After OrvCefTerm the kit holds nothing of CEF's: every browser-process
// object the session made, of every kind the runtime counts, is gone.
#include <windows.h>

#include <string>

#include "cefsim/control_network.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "hardened_host.h"
#include "wait.h"

namespace orvtest {
namespace {

constexpr char kPopupUrl[] = "https://app.example/popup";
constexpr char kSubframeUrl[] = "https://app.example/sub";

class LeakTest : public HardenedHostTest {};

TEST_F(LeakTest, TermLeavesNoBrowserFrameMessageOrCallbackBehind) {
  // With CEF's own wrapper the router's objects are not the runtime's to
  // count; its callbacks check themselves (one released unanswered is a
  // debug check, reported as a violation).
  const char* kinds[] = {
    "frame",
    "process_message",
    "download_item",
    "download_callback",
    "auth_callback",
#if defined(ORVTEST_SIMULATED_WRAPPER)
    "message_router",
    "query_callback"
#endif
  };
  for (const char* kind : kinds)
    ASSERT_EQ(0, cefsim_object_count(kind)) << kind;
  const int contexts_before = cefsim_object_count("request_context");

  // A session that makes one of everything: sub-frames, popups, queries
  // (one persistent and left open), a proxy with a credentials challenge,
  // a download that asks its question and one still under way.
  cefsim_web_serve(kSubframeUrl, 200, "sub", "<p>sub</p>");
  cefsim_web_serve(kPopupUrl, 200, "Popup", "<p>popup</p>");
  cefsim_web_add_subframe(kAppUrl, kSubframeUrl);
  cefsim_proxy_require_auth("proxy.test:3128", "corp", "basic", "user",
                            "secret", 1);
  kit_.SetProxy(L"proxy.test:3128", L"user", L"secret");
  StartApp();
  ASSERT_TRUE(WaitUntil([&] { return FrameShowing(kSubframeUrl) != 0; }));
  ASSERT_GE(cefsim_auth_wait_challenges(1, kDefaultTimeoutMs), 1);
  ASSERT_EQ(CEFSIM_AUTH_CONTINUED,
            cefsim_auth_wait_outcome(0, kDefaultTimeoutMs));
  EXPECT_TRUE(Query("plain").success);
  EXPECT_TRUE(Query("sub", FrameShowing(kSubframeUrl)).success);
  EXPECT_TRUE(Query("watch", 0, true).success);
  ASSERT_TRUE(cefsim_page_open_popup(MainBrowserId(), MainFrameId(), kPopupUrl,
                                     0, 0, 0, 0, 300, 1, 200, 1));
  ASSERT_TRUE(WaitUntil([&] { return cefsim_live_browser_count() == 2; }));
  const HWND main_window = kit_.GetMainWindowHandle();
  const int download = StartDownload("leak.orvtest-none", false);
  ASSERT_TRUE(download);
  ASSERT_TRUE(cefsim_message_box_answer(main_window, IDNO, kDefaultTimeoutMs));
  ASSERT_TRUE(cefsim_download_wait_phase(download, CEFSIM_DOWNLOAD_COMPLETE,
                                         kDefaultTimeoutMs));
  // One more, still transferring when the host ends.
  const int held = StartDownload("held.orvtest-none", true);
  ASSERT_TRUE(held);
  ASSERT_TRUE(cefsim_download_wait_phase(held, CEFSIM_DOWNLOAD_HELD,
                                         kDefaultTimeoutMs));
  EXPECT_GT(cefsim_object_count("frame"), 0);
#if defined(ORVTEST_SIMULATED_WRAPPER)
  EXPECT_EQ(1, cefsim_object_count("message_router"));
  // The persistent query keeps its callback until the page cancels it.
  EXPECT_GE(cefsim_object_count("query_callback"), 1);
#endif

  Terminate();
  EXPECT_EQ(0, cefsim_browser_object_count());
  for (const char* kind : kinds)
    EXPECT_EQ(0, cefsim_object_count(kind)) << kind;
  // The runtime keeps its global request context for the process, as CEF
  // does; the kit makes none of its own.
  EXPECT_LE(cefsim_object_count("request_context"), contexts_before + 1);
  EXPECT_EQ(-1, cefsim_object_count("no such kind"));
}

}  // namespace
}  // namespace orvtest

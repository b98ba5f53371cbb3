// Forgetting history: a long run drops what the runtime recorded of
// browsers that are gone, and keeps every record of the live ones.
#include <windows.h>

#include <string>

#include "cefsim/control_network.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "gtest/gtest.h"
#include "recording_client.h"
#include "wait.h"

namespace {

using cefsim_test::CreateLoadedBrowser;
using cefsim_test::RecordingApp;
using cefsim_test::RecordingClient;
using cefsim_test::StartContext;

TEST(HistoryTest, ForgetHistoryDropsOnlyWhatIsGone) {
  ASSERT_TRUE(StartContext(new RecordingApp()));
  CefRefPtr<RecordingClient> client = new RecordingClient();
  cefsim_web_serve("http://app.test/", 200, "App", "");
  cefsim_web_serve("http://app.test/popup", 200, "Popup", "");
  ASSERT_TRUE(CreateLoadedBrowser(client, "http://app.test/"));
  CefRefPtr<CefBrowser> opener = client->browsers().front();
  const int opener_id = opener->GetIdentifier();
  const int64_t opener_frame = opener->GetMainFrame()->GetIdentifier();
  ASSERT_EQ(1, cefsim_page_open_popup(opener_id, opener_frame,
                                      "http://app.test/popup", 0, 0, 0, 0, 0, 0,
                                      0, 0));
  ASSERT_TRUE(client->WaitFor("LoadEnd http://app.test/popup 200"));
  ASSERT_EQ(2u, client->browsers().size());
  const int popup_id = client->browsers().back()->GetIdentifier();
  client->browsers().back()->GetHost()->CloseBrowser(true);
  ASSERT_TRUE(
      orvtest::WaitUntil([] { return cefsim_live_browser_count() == 1; }));

  // Until forgotten, the closed popup is still on record.
  int64_t frames[4] = {};
  EXPECT_EQ(1, cefsim_browser_frame_ids(popup_id, frames, 4));
  EXPECT_EQ(1, cefsim_browser_is_popup(popup_id));
  EXPECT_GE(cefsim_network_request_count(), 2);

  EXPECT_GT(cefsim_forget_history(), 0);
  EXPECT_EQ(0, cefsim_browser_frame_ids(popup_id, frames, 4));
  EXPECT_EQ(0, cefsim_browser_is_popup(popup_id));
  ASSERT_EQ(1, cefsim_browser_frame_ids(opener_id, frames, 4));
  EXPECT_EQ(opener_frame, frames[0]);
  char url[64] = {};
  cefsim_frame_url(opener_frame, url, sizeof(url));
  EXPECT_EQ(std::string("http://app.test/"), url);
  const int requests = cefsim_network_request_count();
  EXPECT_GE(requests, 1);
  for (int i = 0; i < requests; ++i)
    EXPECT_EQ(opener_id, cefsim_network_request_browser(i));
  EXPECT_EQ(0, cefsim_preference_set_count());
  // Nothing else is gone, so a second call forgets nothing.
  EXPECT_EQ(0, cefsim_forget_history());

  opener = nullptr;
  client = nullptr;
  CefShutdown();
}

}  // namespace

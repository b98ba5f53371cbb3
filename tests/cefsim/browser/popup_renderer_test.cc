// Popups opened by a page, and the end of a browser's renderer process.
#include <windows.h>

#include <string>

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

TEST(PopupRendererTest, PopupGetsCefsWindowInfoAndKilledRendererIsReplaced) {
  ASSERT_TRUE(StartContext(new RecordingApp()));
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefWindowInfo seen;
  client->on_before_popup = [&](CefWindowInfo* info) { seen = *info; };
  cefsim_web_serve("http://app.test/", 200, "App", "");
  cefsim_web_serve("http://app.test/popup", 200, "Popup", "");
  ASSERT_TRUE(CreateLoadedBrowser(client, "http://app.test/"));
  CefRefPtr<CefBrowser> opener = client->browsers().front();
  const int opener_id = opener->GetIdentifier();
  const int64_t frame = opener->GetMainFrame()->GetIdentifier();

  ASSERT_EQ(1, cefsim_page_open_popup(opener_id, frame, "http://app.test/popup",
                                      0, 0, 0, 0, 400, 1, 300, 1));
  ASSERT_TRUE(client->WaitFor("LoadEnd http://app.test/popup 200"));
  EXPECT_EQ(1, client->Count("BeforePopup http://app.test/popup " +
                             std::to_string(WOD_NEW_POPUP)));
  EXPECT_EQ(nullptr, seen.parent_window);
  EXPECT_EQ(static_cast<DWORD>(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN |
                               WS_CLIPSIBLINGS | WS_VISIBLE),
            seen.style);
  EXPECT_EQ(CW_USEDEFAULT, seen.bounds.x);
  EXPECT_EQ(CW_USEDEFAULT, seen.bounds.y);
  EXPECT_EQ(400, seen.bounds.width);
  EXPECT_EQ(300, seen.bounds.height);
  ASSERT_EQ(2u, client->browsers().size());
  CefRefPtr<CefBrowser> popup = client->browsers().back();
  EXPECT_TRUE(popup->IsPopup());
  EXPECT_EQ(opener_id, cefsim_browser_opener(popup->GetIdentifier()));
  EXPECT_EQ(opener->GetHost()->GetWindowHandle(),
            popup->GetHost()->GetOpenerWindowHandle());

  // One renderer per browser; the OS kills the opener's.
  EXPECT_EQ(1, cefsim_browser_renderer_launches(opener_id));
  ASSERT_EQ(1, cefsim_os_kill_renderer(opener_id));
  ASSERT_TRUE(orvtest::WaitUntil([&] {
    for (const std::string& event : client->events()) {
      if (event.rfind("Terminated ", 0) == 0)
        return true;
    }
    return false;
  }));
  EXPECT_EQ(1, cefsim_browser_renderer_launches(popup->GetIdentifier()));
  opener->GetMainFrame()->LoadURL("http://app.test/popup");
  ASSERT_TRUE(orvtest::WaitUntil(
      [&] { return cefsim_browser_renderer_launches(opener_id) == 2; }));
  CefShutdown();
  EXPECT_EQ(2, cefsim_note_count("shutdown-with-browsers"));
}

}  // namespace

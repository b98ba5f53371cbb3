// Popups opened by a page, and the end of a browser's renderer process.
#include <windows.h>

#include <string>
#include <vector>

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

// CEF reports the end of a renderer only when Chromium counts it abnormal;
// either way the browser starts a new renderer for its next navigation.
TEST(PopupRendererTest, RendererEndIsReportedOnlyWhenAbnormal) {
  ASSERT_TRUE(StartContext(new RecordingApp()));
  CefRefPtr<RecordingClient> client = new RecordingClient();
  cefsim_web_serve("http://app.test/", 200, "App", "");
  ASSERT_TRUE(CreateLoadedBrowser(client, "http://app.test/"));
  CefRefPtr<CefBrowser> browser = client->browsers().front();
  const int id = browser->GetIdentifier();
  const struct {
    unsigned long exit_code;
    const char* reported;  // Null: no OnRenderProcessTerminated.
  } kCases[] = {
      {0, nullptr},                    // Normal end.
      {0xC0000428, nullptr},           // Image integrity failure.
      {0xC0000005, "Terminated 2"},    // Crash.
      {0xE0000008, "Terminated 3"},    // Out of memory.
      {1, "Terminated 1"},             // Killed.
      {STILL_ACTIVE, "Terminated 0"},  // Abnormal.
  };
  int ends = 0;
  for (const auto& row : kCases) {
    client->ClearEvents();
    ASSERT_EQ(1, cefsim_os_end_renderer(id, row.exit_code));
    ++ends;
    ASSERT_TRUE(orvtest::WaitUntil([&] {
      return cefsim_browser_renderer_ends(id) == ends;
    })) << "exit code 0x"
        << std::hex << row.exit_code;
    std::vector<std::string> terminated;
    for (const std::string& event : client->events()) {
      if (event.rfind("Terminated ", 0) == 0)
        terminated.push_back(event);
    }
    EXPECT_EQ(row.reported ? std::vector<std::string>{row.reported}
                           : std::vector<std::string>(),
              terminated)
        << "exit code 0x" << std::hex << row.exit_code;
    browser->GetMainFrame()->LoadURL("http://app.test/");
    ASSERT_TRUE(client->WaitFor("LoadEnd http://app.test/ 200"));
    EXPECT_EQ(ends + 1, cefsim_browser_renderer_launches(id));
  }
  CefShutdown();
}

}  // namespace

// Navigations over the simulated web, with CEF 109's callbacks and order.
#include <windows.h>

#include <string>
#include <vector>

#include "cefsim/control_web.h"
#include "gtest/gtest.h"
#include "recording_client.h"
#include "violations.h"
#include "wait.h"

namespace {

using cefsim_test::RecordingApp;
using cefsim_test::RecordingClient;
using cefsim_test::StartContext;

std::string FrameText(int (*get)(int64_t, char*, int), int64_t frame) {
  char buffer[2048] = {};
  return get(frame, buffer, sizeof(buffer)) >= 0 ? buffer : "<none>";
}

class NavigationTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartContext(new RecordingApp()));
    CefWindowInfo info;
    info.SetAsPopup(nullptr, "navigation");
    ASSERT_TRUE(CefBrowserHost::CreateBrowser(
        info, client_, "", CefBrowserSettings(), nullptr, nullptr));
    ASSERT_TRUE(
        orvtest::WaitUntil([&] { return !client_->browsers().empty(); }));
    browser_ = client_->browsers().front();
  }
  void TearDown() override {
    browser_ = nullptr;
    CefShutdown();
  }

  // Loads |url| in the main frame and returns the callbacks until loading
  // stopped and the title came once more.
  std::vector<std::string> Load(const std::string& url) {
    client_->ClearEvents();
    browser_->GetMainFrame()->LoadURL(url);
    EXPECT_TRUE(client_->WaitFor("LoadingState 0"));
    EXPECT_TRUE(orvtest::WaitUntil([&] {
      const auto events = client_->events();
      return !events.empty() && events.back().rfind("Title ", 0) == 0;
    }));
    return client_->events();
  }

  CefRefPtr<RecordingClient> client_ = new RecordingClient();
  CefRefPtr<CefBrowser> browser_;
};

TEST_F(NavigationTest, ServedPageLoadsInCefOrder) {
  cefsim_web_serve("http://app.test/home", 200, "Home", "<p>home</p>");
  EXPECT_EQ(
      (std::vector<std::string>{
          "LoadingState 1", "BeforeBrowse http://app.test/home",
          "LoadStart http://app.test/home", "Address http://app.test/home",
          "Title Home", "LoadEnd http://app.test/home 200", "LoadingState 0",
          "Title Home"}),
      Load("HTTP://APP.test/home"));
  const int64_t main = cefsim_main_frame_id(browser_->GetIdentifier());
  EXPECT_EQ(browser_->GetMainFrame()->GetIdentifier(), main);
  EXPECT_EQ("<p>home</p>", FrameText(cefsim_frame_html, main));
  EXPECT_EQ(1, cefsim_frame_navigation_count(main));
  EXPECT_TRUE(client_->callbacks_on_ui);
}

TEST_F(NavigationTest, OutcomesOfTheSimulatedWeb) {
  cefsim_web_serve("http://app.test/", 200, nullptr, "");
  cefsim_web_serve("http://app.test/broken", 200, "Broken", "");
  cefsim_web_fail("http://app.test/broken", ERR_CONNECTION_RESET, 1);
  cefsim_web_serve("https://app.test/new", 200, "New", "");
  cefsim_web_redirect("http://app.test/old", "https://app.test/new");
  client_->cancel_url = "http://app.test/cancelled";
  const struct {
    const char* url;
    std::vector<std::string> expected;  // Events that must come, in order.
    const char* final_url;
  } cases[] = {
      {"http://nowhere.test/",
       {"LoadError -105 net::ERR_NAME_NOT_RESOLVED http://nowhere.test/",
        "Title nowhere.test"},
       "http://nowhere.test/"},
      {"http://app.test/missing",
       {"LoadEnd http://app.test/missing 404", "Title app.test/missing"},
       "http://app.test/missing"},
      {"http://app.test/broken",
       {"LoadStart http://app.test/broken",
        "LoadError -101 net::ERR_CONNECTION_RESET http://app.test/broken",
        "LoadEnd http://app.test/broken -101"},
       "http://app.test/broken"},
      {"http://app.test/old",
       {"BeforeBrowse http://app.test/old",
        "BeforeBrowse https://app.test/new redirect",
        "Address https://app.test/new", "LoadEnd https://app.test/new 200",
        "Title New"},
       "https://app.test/new"},
      {"http://app.test/cancelled",
       {"LoadError -3 net::ERR_ABORTED http://app.test/cancelled"},
       "https://app.test/new"},
      {"data:text/html,<title> Data </title>%3Cb%3Ex%3C/b%3E",
       {"Title Data",
        "LoadEnd data:text/html,<title> Data </title>%3Cb%3Ex%3C/b%3E 200"},
       "data:text/html,<title> Data </title>%3Cb%3Ex%3C/b%3E"},
  };
  for (const auto& entry : cases) {
    const std::vector<std::string> events = Load(entry.url);
    size_t at = 0;
    for (const std::string& wanted : entry.expected) {
      while (at < events.size() && events[at] != wanted)
        ++at;
      EXPECT_LT(at, events.size()) << entry.url << ": missing " << wanted;
    }
    EXPECT_EQ(entry.final_url, browser_->GetMainFrame()->GetURL().ToString())
        << entry.url;
  }
  const int64_t main = browser_->GetMainFrame()->GetIdentifier();
  EXPECT_EQ("<title> Data </title><b>x</b>",
            FrameText(cefsim_frame_html, main));
  EXPECT_EQ(6, cefsim_frame_navigation_count(main));
}

TEST_F(NavigationTest, SubFramesLoadBeforeTheirParentEnds) {
  cefsim_web_serve("http://app.test/outer", 200, "Outer", "");
  cefsim_web_add_subframe("http://app.test/outer", "http://app.test/a");
  cefsim_web_add_subframe("http://app.test/outer", "http://nowhere.test/b");
  cefsim_web_serve("http://app.test/a", 200, "A", "");
  // Tests read whether the browser loads from any thread: still so while a
  // sub-frame fails inside the outer load, no more once the load stopped.
  const int id = browser_->GetIdentifier();
  int loading_in_sub_frame = -1;
  client_->on_load_error = [&](CefRefPtr<CefFrame>) {
    loading_in_sub_frame = cefsim_browser_is_loading(id);
  };
  const std::vector<std::string> events = Load("http://app.test/outer");
  client_->on_load_error = nullptr;
  EXPECT_EQ(1, loading_in_sub_frame);
  EXPECT_EQ(0, cefsim_browser_is_loading(id));
  auto index = [&](const std::string& event) {
    for (size_t i = 0; i < events.size(); ++i) {
      if (events[i] == event)
        return static_cast<int>(i);
    }
    return -1;
  };
  const int outer_end = index("LoadEnd http://app.test/outer 200");
  EXPECT_GT(index("LoadEnd http://app.test/a 200"),
            index("LoadStart http://app.test/a"));
  EXPECT_LT(index("LoadEnd http://app.test/a 200"), outer_end);
  EXPECT_LT(
      index("LoadError -105 net::ERR_NAME_NOT_RESOLVED http://nowhere.test/b"),
      outer_end);
  EXPECT_EQ(1, client_->Count("LoadingState 1"));
  EXPECT_EQ(3u, browser_->GetFrameCount());
  EXPECT_EQ(3, cefsim_live_frame_count());
  // Only the main frame changes the address and the title.
  EXPECT_EQ(-1, index("Address http://app.test/a"));
  EXPECT_EQ(-1, index("Title A"));

  // A new document in the main frame takes the sub-frames away.
  cefsim_web_serve("http://app.test/plain", 200, "Plain", "");
  Load("http://app.test/plain");
  EXPECT_EQ(1u, browser_->GetFrameCount());
  EXPECT_EQ(1, cefsim_live_frame_count());
}

TEST_F(NavigationTest, LoadUrlInsideALoadCallbackIsDeferred) {
  cefsim_web_serve("http://app.test/fallback", 200, "Fallback", "");
  client_->on_load_error = [](CefRefPtr<CefFrame> frame) {
    frame->LoadURL("http://app.test/fallback");
  };
  Load("http://nowhere.test/");
  ASSERT_TRUE(client_->WaitFor("LoadEnd http://app.test/fallback 200"));
  const std::vector<std::string> events = client_->events();
  int returned = -1;
  int started = -1;
  for (size_t i = 0; i < events.size(); ++i) {
    if (events[i] == "LoadError returned")
      returned = static_cast<int>(i);
    if (events[i] == "BeforeBrowse http://app.test/fallback")
      started = static_cast<int>(i);
  }
  ASSERT_GE(returned, 0);
  EXPECT_GT(started, returned);
}

TEST_F(NavigationTest, ScriptsAreRecordedInOrderWithCefsLineRule) {
  cefsim_web_serve("http://app.test/", 200, "App", "");
  Load("http://app.test/");
  CefRefPtr<CefFrame> frame = browser_->GetMainFrame();
  frame->ExecuteJavaScript("first()", "http://app.test/a.js", 0);
  // Empty code is a failed check in CEF's wrapper, and is dropped.
  frame->ExecuteJavaScript("", "http://app.test/empty.js", 3);
  EXPECT_EQ(1, orvtest::TakeViolations("Check failed: !code.empty()"));
  frame->ExecuteJavaScript("second()", "", -4);
  frame->ExecuteJavaScript("third()", "x.js", 7);
  const int64_t id = frame->GetIdentifier();
  ASSERT_TRUE(
      orvtest::WaitUntil([&] { return cefsim_frame_script_count(id) == 3; }));
  const struct {
    const char* code;
    const char* url;
    int line;
  } expected[] = {{"first()", "http://app.test/a.js", 1},
                  {"second()", "", 1},
                  {"third()", "x.js", 7}};
  for (int i = 0; i < 3; ++i) {
    char code[64] = {};
    char url[64] = {};
    cefsim_frame_script(id, i, code, sizeof(code));
    cefsim_frame_script_url(id, i, url, sizeof(url));
    EXPECT_STREQ(expected[i].code, code);
    EXPECT_STREQ(expected[i].url, url);
    EXPECT_EQ(expected[i].line, cefsim_frame_script_line(id, i));
  }
}

}  // namespace

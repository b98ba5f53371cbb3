// Page status as a host sees it: the main browser's window text follows the
// page title, and failed loads or HTTP errors show the host's error page.
#include <windows.h>

#include <string>

#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "kit_host.h"
#include "wait.h"

namespace orvtest {
namespace {

constexpr char kErrorHead[] = "data:text/html; charset=utf-8;base64,";

// The built-in page with |encoded_url| in place of its placeholder.
std::string DefaultPage(const std::string& encoded_url) {
  return "<html><body bgcolor=\"white\"><h3>\xE7\xBD\x91\xE7\xBB\x9C\xE5\xBC"
         "\x82\xE5\xB8\xB8, <a href=\"javascript:void(0);\" "
         "onclick=\"location.href=unescape('" +
         encoded_url +
         "')\">\xE9\x87\x8D\xE6\x96\xB0\xE5\x8A\xA0\xE8\xBD\xBD</a></h3>"
         "</body></html>";
}

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

class PageStatusTest : public KitHostTest {
 protected:
  void StartApp() {
    ASSERT_TRUE(Start());
    main_window_ = WaitForMainBrowser();
  }

  // Sends the main browser to |url| as a host does and waits until its
  // main frame shows |url| or an error page (unless the load is one that
  // leaves the frame as it was).
  void Visit(const std::string& url, bool shows_something = true) {
    const int64_t frame = MainFrameId();
    const int before = cefsim_frame_navigation_count(frame);
    kit_.Start(nullptr, nullptr, Widen(url).c_str(), nullptr, 0);
    WaitUntil([&] { return cefsim_frame_navigation_count(frame) > before; });
    if (!shows_something) {
      cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs);
      return;
    }
    WaitUntil([&] {
      const std::string shown = ControlText(cefsim_frame_url, frame);
      return shown.rfind(kErrorHead, 0) == 0 || shown == url;
    });
    // An error page follows the failed load as a navigation of its own.
    cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs);
  }

  std::string MainHtml() {
    return ControlText(cefsim_frame_html, MainFrameId());
  }
  bool ShowsErrorPage(int64_t frame) {
    return ControlText(cefsim_frame_url, frame).rfind(kErrorHead, 0) == 0;
  }

  HWND main_window_ = nullptr;
};

TEST_F(PageStatusTest, MainWindowTextFollowsTitleAndPopupsKeepTheirOwn) {
  cefsim_web_serve("https://app.example/popup", 200, "Popup page", "<p/>");
  StartApp();
  ASSERT_TRUE(WaitUntil([&] { return WindowText(main_window_) == L"App"; }));
  cefsim_web_serve("https://app.example/next", 200, "\u4e0b\u4e00\u9875",
                   "<p/>");
  Visit("https://app.example/next");
  EXPECT_TRUE(WaitUntil(
      [&] { return WindowText(main_window_) == L"\u4e0b\u4e00\u9875"; }));
  ASSERT_TRUE(cefsim_page_open_popup(MainBrowserId(), MainFrameId(),
                                     "https://app.example/popup", 0, 0, 0, 0,
                                     400, 1, 300, 1));
  int ids[4] = {};
  ASSERT_TRUE(WaitUntil([&] { return cefsim_live_browser_ids(ids, 4) == 2; }));
  const HWND popup = static_cast<HWND>(cefsim_browser_window(ids[1]));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(popup) == L"Popup page"; }));
  EXPECT_EQ(L"\u4e0b\u4e00\u9875", WindowText(main_window_));
}

TEST_F(PageStatusTest, HttpErrorStatusesGetTheErrorPageWithTheFramesUrl) {
  struct {
    int status;
    bool error_page;
  } cases[] = {
      {200, false}, {399, false}, {400, true}, {404, true}, {500, true}};
  StartApp();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    const std::string url =
        "https://app.example/status/" + std::to_string(c.status);
    cefsim_web_serve(url.c_str(), c.status, "status", "<p>served</p>");
    Visit(url);
    if (c.error_page) {
      ASSERT_TRUE(WaitUntil([&] { return ShowsErrorPage(MainFrameId()); }));
      EXPECT_EQ(DefaultPage("https%3A%2F%2Fapp.example%2Fstatus%2F" +
                            std::to_string(c.status)),
                MainHtml());
    } else {
      EXPECT_EQ(url, ControlText(cefsim_frame_url, MainFrameId()));
      EXPECT_EQ("<p>served</p>", MainHtml());
    }
  }
}

TEST_F(PageStatusTest, FailedLoadsShowTheErrorPageExceptAborts) {
  cefsim_web_serve("https://app.example/frame-host", 200, "host", "<p/>");
  cefsim_web_add_subframe("https://app.example/frame-host",
                          "https://gone.example/sub");
  StartApp();
  // An unknown host fails with ERR_NAME_NOT_RESOLVED (-105).
  Visit("https://nowhere.example/a b");
  ASSERT_TRUE(ShowsErrorPage(MainFrameId()));
  EXPECT_EQ(DefaultPage("https%3A%2F%2Fnowhere.example%2Fa%2520b"), MainHtml());
  cefsim_web_fail("https://app.example/offline", -106, 0);
  Visit("https://app.example/offline");
  EXPECT_EQ(DefaultPage("https%3A%2F%2Fapp.example%2Foffline"), MainHtml());
  // An aborted load leaves the frame with the page it had.
  Visit(kAppUrl);
  cefsim_web_fail("https://app.example/aborted", -3, 0);
  Visit("https://app.example/aborted", false);
  EXPECT_FALSE(ShowsErrorPage(MainFrameId()));
  EXPECT_EQ("<p>app</p>", MainHtml());

  // A failing sub-frame gets the page inside itself only.
  Visit("https://app.example/frame-host");
  int64_t ids[8] = {};
  ASSERT_TRUE(WaitUntil([&] {
    const int count = cefsim_browser_frame_ids(MainBrowserId(), ids, 8);
    return count >= 2 && ShowsErrorPage(ids[count - 1]);
  }));
  EXPECT_EQ("https://app.example/frame-host",
            ControlText(cefsim_frame_url, MainFrameId()));
}

TEST_F(PageStatusTest, HostTemplatesAreFilledLeftToRight) {
  struct {
    const wchar_t* page_template;
    const char* failed_url;
    const char* page;
  } cases[] = {
      {L"<p>no placeholder</p>", "https://x.example/1",
       "<p>no placeholder</p>"},
      {L"%URL%|%URL%", "https://x.example/2",
       "https%3A%2F%2Fx.example%2F2|https%3A%2F%2Fx.example%2F2"},
      {L"[%URL%]", "https://x.example/%URL%",
       "[https%3A%2F%2Fx.example%2F%25URL%25]"},
      {L"\u7f51\u7edc %URL%", "https://x.example/4",
       "\xE7\xBD\x91\xE7\xBB\x9C https%3A%2F%2Fx.example%2F4"},
      {nullptr, "https://x.example/5", ""},
  };
  StartApp();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.failed_url);
    kit_.SetErrorPage(c.page_template);
    cefsim_web_fail(c.failed_url, -105, 0);
    Visit(c.failed_url);
    // The error page is a navigation of its own after the failed one; the
    // previous row's page may still be showing until it commits.
    EXPECT_TRUE(WaitUntil([&] {
      return ShowsErrorPage(MainFrameId()) && MainHtml() == c.page;
    }));
    EXPECT_EQ(c.page, MainHtml());
  }
}

TEST_F(PageStatusTest, FailedUrlCannotLeaveItsQuotesAndErrorPageCannotQuery) {
  StartApp();
  kit_.SetErrorPage(L"<a onclick=\"go('%URL%')\">again</a>");
  const std::string hostile = "https://x.example/'\"<b>');alert(1);('";
  cefsim_web_fail(hostile.c_str(), -105, 0);
  Visit(hostile);
  ASSERT_TRUE(ShowsErrorPage(MainFrameId()));
  const std::string page = MainHtml();
  const std::string head = "<a onclick=\"go('";
  const std::string tail = "')\">again</a>";
  ASSERT_EQ(0u, page.find(head)) << page;
  ASSERT_EQ(page.size() - tail.size(), page.rfind(tail)) << page;
  const std::string inserted =
      page.substr(head.size(), page.size() - head.size() - tail.size());
  EXPECT_EQ(std::string::npos, inserted.find_first_of("'\"<> ")) << inserted;
  // The error page has a data: URL and so no host the kit allows.
  const PageOutcome outcome = Query("route");
  ASSERT_TRUE(outcome.answered);
  EXPECT_FALSE(outcome.success);
  EXPECT_EQ(-1, outcome.error_code);
  EXPECT_EQ(0u, host_->message_count());
}

}  // namespace
}  // namespace orvtest

// The browser's network surroundings as a host sets them: the proxy server
// applied to every navigation, proxy credentials, and downloads with the
// save dialog and the offer to open the finished file.
#include <windows.h>

#include <string>

#include "cefsim/control_network.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "kit_host.h"
#include "wait.h"

namespace orvtest {
namespace {

constexpr char kProxy[] = "proxy.corp:8080";

class NetworkTest : public KitHostTest {
 protected:
  void StartApp() {
    ASSERT_TRUE(Start());
    main_window_ = WaitForMainBrowser();
    ASSERT_TRUE(cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs));
  }

  int MainNavigations() { return cefsim_frame_navigation_count(MainFrameId()); }

  struct RequestProxy {
    std::string mode;
    std::string server;
  };
  RequestProxy LastRequestProxy() {
    RequestProxy proxy;
    const int count = cefsim_network_request_count();
    char mode[64] = {};
    char server[256] = {};
    if (count > 0 &&
        cefsim_network_request_proxy(count - 1, mode, 64, server, 256)) {
      proxy.mode = mode;
      proxy.server = server;
    }
    return proxy;
  }

  HWND main_window_ = nullptr;
};

TEST_F(NetworkTest, ProxySetBeforeStartAppliesToEveryNavigation) {
  kit_.SetProxy(L"proxy.corp:8080", L"user", L"secret");
  cefsim_web_serve("https://app.example/sub", 200, "sub", "<p/>");
  cefsim_web_add_subframe(kAppUrl, "https://app.example/sub");
  StartApp();
  ASSERT_TRUE(WaitUntil([] { return cefsim_network_request_count() >= 2; }));
  for (int i = 0; i < cefsim_network_request_count(); ++i) {
    char mode[64] = {};
    char server[256] = {};
    ASSERT_TRUE(cefsim_network_request_proxy(i, mode, 64, server, 256));
    EXPECT_STREQ("fixed_servers", mode);
    EXPECT_STREQ(kProxy, server);
  }
  // One preference write per navigation, main frame and sub-frame, each on
  // the UI thread of the browser's (global) context.
  const int writes = cefsim_preference_set_count();
  ASSERT_GE(writes, 2);
  for (int i = 0; i < writes; ++i) {
    int context = 0, on_ui = 0, succeeded = 0;
    ASSERT_TRUE(cefsim_preference_set_flags(i, &context, &on_ui, &succeeded));
    EXPECT_EQ("proxy", ControlText(cefsim_preference_set_name, i));
    EXPECT_EQ("{\"mode\":\"fixed_servers\",\"server\":\"proxy.corp:8080\"}",
              ControlText(cefsim_preference_set_value, i));
    EXPECT_EQ(1, on_ui);
    EXPECT_EQ(1, succeeded);
  }

  // Clearing the server resets the preference at once, through a reload.
  const int before = MainNavigations();
  kit_.SetProxy(nullptr, L"user", L"secret");
  ASSERT_TRUE(WaitUntil([&] { return MainNavigations() == before + 1; }));
  ASSERT_TRUE(cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs));
  const int last = cefsim_preference_set_count() - 1;
  EXPECT_EQ("null", ControlText(cefsim_preference_set_value, last));
  EXPECT_EQ("", LastRequestProxy().server);
}

TEST_F(NetworkTest, OnlyARealChangeReloadsTheMainBrowser) {
  // Before the start nothing can reload.
  kit_.SetProxy(nullptr, nullptr, nullptr);
  StartApp();
  struct {
    const char* name;
    const wchar_t* server;
    const wchar_t* user;
    const wchar_t* password;
    bool reloads;
  } steps[] = {
      {"nulls on fresh state", nullptr, nullptr, nullptr, false},
      {"empties on fresh state", L"", L"", L"", false},
      {"first server", L"p:1", L"u", L"pw", true},
      {"same again", L"p:1", L"u", L"pw", false},
      {"letter case", L"P:1", L"u", L"pw", true},
      {"trailing space", L"P:1 ", L"u", L"pw", true},
      {"only the password", L"P:1 ", L"u", L"pw2", true},
  };
  int expected = MainNavigations();
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    kit_.SetProxy(step.server, step.user, step.password);
    // A change that surely reloads follows each step, so a reload the step
    // made shows up as one navigation too many.
    kit_.SetProxy(L"marker:9", L"m", L"m");
    expected += (step.reloads ? 1 : 0) + 1;
    ASSERT_TRUE(WaitUntil([&] { return MainNavigations() >= expected; }));
    ASSERT_TRUE(cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs));
    EXPECT_EQ(expected, MainNavigations());
    // Back to the step's values, which is a change again.
    kit_.SetProxy(step.server, step.user, step.password);
    ++expected;
    ASSERT_TRUE(WaitUntil([&] { return MainNavigations() >= expected; }));
  }
}

TEST_F(NetworkTest, ProxyChallengesGetTheStoredPairAndWebServersNothing) {
  kit_.SetProxy(L"proxy.corp:8080", L"user", L"secret");
  cefsim_proxy_require_auth(kProxy, "corp", "basic", "user", "secret", 1);
  StartApp();
  ASSERT_EQ(1, cefsim_auth_wait_challenges(1, kDefaultTimeoutMs));
  EXPECT_EQ(CEFSIM_AUTH_CONTINUED,
            cefsim_auth_wait_outcome(0, kDefaultTimeoutMs));
  EXPECT_EQ("user", ControlText(cefsim_auth_challenge_text, 0, "username"));
  EXPECT_EQ("secret", ControlText(cefsim_auth_challenge_text, 0, "password"));
  int is_proxy = 0, on_io = 0;
  cefsim_auth_challenge_int(0, "is_proxy", &is_proxy);
  cefsim_auth_challenge_int(0, "on_io_thread", &on_io);
  EXPECT_EQ(1, is_proxy);
  EXPECT_EQ(1, on_io);
  EXPECT_TRUE(WaitUntil([&] {
    return ControlText(cefsim_frame_html, MainFrameId()) == "<p>app</p>";
  }));

  // A web server's challenge is refused at once; its 401 page is an HTTP
  // error, which shows the error page.
  cefsim_web_serve("https://app.example/private", 200, "private", "<p/>");
  cefsim_web_require_auth("https://app.example/private", "site", "basic",
                          nullptr, nullptr, 1);
  kit_.Start(nullptr, nullptr, L"https://app.example/private", nullptr, 0);
  // The proxy may challenge this request too; the server's challenge is
  // the one not from a proxy.
  int server_challenge = -1;
  ASSERT_TRUE(WaitUntil([&] {
    const int count = cefsim_auth_wait_challenges(1, 0);
    for (int i = 0; i < count; ++i) {
      int proxy = 1;
      cefsim_auth_challenge_int(i, "is_proxy", &proxy);
      if (!proxy)
        server_challenge = i;
    }
    return server_challenge >= 0;
  }));
  EXPECT_EQ(CEFSIM_AUTH_CANCELED,
            cefsim_auth_wait_outcome(server_challenge, kDefaultTimeoutMs));
  int handled = -1;
  cefsim_auth_challenge_int(server_challenge, "handled", &handled);
  EXPECT_EQ(0, handled);
  EXPECT_EQ("", ControlText(cefsim_auth_challenge_text, server_challenge,
                            "username"));
  EXPECT_TRUE(WaitUntil([&] {
    return ControlText(cefsim_frame_url, MainFrameId())
               .rfind("data:text/html", 0) == 0;
  }));
}

TEST_F(NetworkTest, RefusedProxyPairIsNotOfferedAgainUntilSomethingChanges) {
  // A proxy that turns down every pair it is not configured for, and keeps
  // asking: each 407 would be answered again without end.
  constexpr int kPatientProxy = 50;
  cefsim_proxy_require_auth(kProxy, "corp", "basic", "user", "secret",
                            kPatientProxy);
  kit_.SetProxy(L"proxy.corp:8080", L"user", L"secret");
  StartApp();
  ASSERT_EQ(1, cefsim_auth_wait_challenges(1, kDefaultTimeoutMs));
  ASSERT_TRUE(WaitUntil([&] {
    return ControlText(cefsim_frame_html, MainFrameId()) == "<p>app</p>";
  }));

  struct Step {
    const char* name;
    const char* proxy_password;    // What the proxy now accepts.
    const wchar_t* host_password;  // Set by the host first; NULL: kept.
    // 1: offered once, then cancelled; 0: cancelled at once; -1: accepted.
    int offered_then_cancelled;
  } steps[] = {
      // A page loaded since the last offer: the stored pair is tried once.
      {"proxy changed its password", "rotated", nullptr, 1},
      // Nothing loaded and nothing changed: cancelled at once.
      {"same pair again", "rotated", nullptr, 0},
      // A new pair from the host is worth one try.
      {"host set another wrong pair", "rotated", L"guess", 1},
      // And the right one gets through.
      {"host set the right pair", "rotated", L"rotated", -1},
  };
  int challenges = 1;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    cefsim_proxy_require_auth(kProxy, "corp", "basic", "user",
                              step.proxy_password, kPatientProxy);
    if (step.host_password)
      kit_.SetProxy(L"proxy.corp:8080", L"user", step.host_password);
    kit_.Start(nullptr, nullptr, L"https://app.example/", nullptr, 0);
    if (step.offered_then_cancelled < 0) {
      ASSERT_TRUE(WaitUntil([&] {
        return ControlText(cefsim_frame_html, MainFrameId()) == "<p>app</p>";
      }));
      ++challenges;
      EXPECT_EQ(CEFSIM_AUTH_CONTINUED,
                cefsim_auth_wait_outcome(challenges - 1, kDefaultTimeoutMs));
      continue;
    }
    const int expected = challenges + step.offered_then_cancelled + 1;
    ASSERT_EQ(expected,
              cefsim_auth_wait_challenges(expected, kDefaultTimeoutMs));
    if (step.offered_then_cancelled) {
      EXPECT_EQ(CEFSIM_AUTH_CONTINUED,
                cefsim_auth_wait_outcome(challenges, kDefaultTimeoutMs));
    }
    EXPECT_EQ(CEFSIM_AUTH_CANCELED,
              cefsim_auth_wait_outcome(expected - 1, kDefaultTimeoutMs));
    // The 407 shows through the error page, and no challenge follows.
    ASSERT_TRUE(WaitUntil([&] {
      return ControlText(cefsim_frame_url, MainFrameId())
                 .rfind("data:text/html", 0) == 0;
    }));
    ASSERT_TRUE(cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs));
    EXPECT_EQ(expected, cefsim_auth_wait_challenges(expected + 1, 0));
    challenges = expected;
  }
}

TEST_F(NetworkTest, ProxyChallengeWithoutStoredPairGetsEmptyCredentials) {
  cefsim_system_proxy(kProxy);
  cefsim_proxy_require_auth(kProxy, "corp", "basic", nullptr, nullptr, 1);
  StartApp();
  ASSERT_EQ(1, cefsim_auth_wait_challenges(1, kDefaultTimeoutMs));
  EXPECT_EQ(CEFSIM_AUTH_CONTINUED,
            cefsim_auth_wait_outcome(0, kDefaultTimeoutMs));
  EXPECT_EQ("", ControlText(cefsim_auth_challenge_text, 0, "username"));
  EXPECT_EQ("", ControlText(cefsim_auth_challenge_text, 0, "password"));
}

class KitDownloadTest : public NetworkTest {
 protected:
  std::string Folder() {
    const std::wstring folder = ExeFolder() + L"downloads";
    CreateDirectoryW(folder.c_str(), nullptr);
    return Narrow(folder) + "\\";
  }

  // The question the kit shows over the downloading browser's window.
  std::string WaitForQuestion(HWND owner, int timeout_ms = kDefaultTimeoutMs) {
    char text[256] = {};
    if (!cefsim_message_box_wait(owner, timeout_ms, text, sizeof(text)))
      return std::string();
    return text;
  }
};

constexpr char kOpenQuestion[] =
    "\xE4\xB8\x8B\xE8\xBD\xBD\xE6\x88\x90\xE5\x8A\x9F\xEF\xBC\x8C\xE6\x98\xAF"
    "\xE5\x90\xA6\xE7\xAB\x8B\xE5\x8D\xB3\xE6\x89\x93\xE5\xBC\x80\xE6\x96\x87"
    "\xE4\xBB\xB6\xEF\xBC\x9F";
constexpr char kOpenFailed[] =
    "\xE6\x89\x93\xE5\xBC\x80\xE5\xA4\xB1\xE8\xB4"
    "\xA5\xEF\xBC\x81";

TEST_F(KitDownloadTest, CompletedDownloadOffersToOpenTheFile) {
  StartApp();
  const std::string path = Folder() + "report.orvtest-none";
  cefsim_save_dialog_queue_answer(path.c_str());
  const int download =
      cefsim_page_download(MainBrowserId(), "https://app.example/report",
                           "report.orvtest-none", 2048, 1);
  ASSERT_TRUE(download);
  ASSERT_TRUE(cefsim_download_wait_phase(download, CEFSIM_DOWNLOAD_HELD,
                                         kDefaultTimeoutMs));
  // The dialog started from the server's name; progress asks nothing.
  EXPECT_EQ("report.orvtest-none",
            ControlText(cefsim_save_dialog_text, 1, "default_file_name"));
  int64_t show_dialog = 0;
  cefsim_download_int(download, "continue_show_dialog", &show_dialog);
  EXPECT_EQ(1, show_dialog);
  EXPECT_EQ("", WaitForQuestion(main_window_, 300));

  ASSERT_TRUE(cefsim_download_finish(download));
  EXPECT_EQ(kOpenQuestion, WaitForQuestion(main_window_));
  ASSERT_TRUE(cefsim_message_box_answer(main_window_, IDNO, kDefaultTimeoutMs));
  ASSERT_TRUE(cefsim_download_wait_phase(download, CEFSIM_DOWNLOAD_COMPLETE,
                                         kDefaultTimeoutMs));

  // Reported complete once more: the kit asks again. Yes, with no program
  // for the file type, fails to open and says so.
  ASSERT_TRUE(cefsim_download_repeat_update(download));
  EXPECT_EQ(kOpenQuestion, WaitForQuestion(main_window_));
  ASSERT_TRUE(
      cefsim_message_box_answer(main_window_, IDYES, kDefaultTimeoutMs));
  EXPECT_EQ(kOpenFailed, WaitForQuestion(main_window_));
  ASSERT_TRUE(cefsim_message_box_answer(main_window_, IDOK, kDefaultTimeoutMs));
}

TEST_F(KitDownloadTest, CancelledDownloadsAskNothing) {
  StartApp();
  // Cancelled in the save dialog.
  cefsim_save_dialog_queue_answer(nullptr);
  const int refused = cefsim_page_download(
      MainBrowserId(), "https://app.example/a", "a.bin", 100, 0);
  ASSERT_TRUE(cefsim_download_wait_phase(refused, CEFSIM_DOWNLOAD_CANCELED,
                                         kDefaultTimeoutMs));
  // Cancelled by the user while it runs.
  const std::string path = Folder() + "b.bin";
  cefsim_save_dialog_queue_answer(path.c_str());
  const int stopped = cefsim_page_download(
      MainBrowserId(), "https://app.example/b", "b.bin", 100, 1);
  ASSERT_TRUE(cefsim_download_wait_phase(stopped, CEFSIM_DOWNLOAD_HELD,
                                         kDefaultTimeoutMs));
  ASSERT_TRUE(cefsim_download_cancel(stopped));
  ASSERT_TRUE(cefsim_download_wait_phase(stopped, CEFSIM_DOWNLOAD_CANCELED,
                                         kDefaultTimeoutMs));
  EXPECT_EQ("", WaitForQuestion(main_window_, 300));
}

}  // namespace
}  // namespace orvtest

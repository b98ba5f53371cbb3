// Every export fed hostile text (NULL, empty, 1 MiB, lone surrogates,
// control characters) before the start, while running and after the end:
// nothing crashes and each value is kept or used whole.
#include <windows.h>

#include <string>

#include "cefsim/control_network.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "hardened_host.h"
#include "include/cef_parser.h"
#include "include/cef_values.h"
#include "wait.h"

namespace orvtest {
namespace {

constexpr char kErrorHead[] = "data:text/html; charset=utf-8;base64,";
constexpr char kFailing[] = "https://app.example/failing";

class ExportInputTest : public HardenedHostTest {
 protected:
  // What a stored text turns into when the kit hands it to CEF: NULL counts
  // as empty.
  static std::string Expected(const HostileText& input) {
    return input.text ? RuntimeUtf8(input.text) : std::string();
  }

  // The proxy preference for |server| as the runtime records it.
  static std::string ProxyPreference(const wchar_t* server) {
    CefRefPtr<CefDictionaryValue> settings = CefDictionaryValue::Create();
    settings->SetString("mode", "fixed_servers");
    settings->SetString("server", server);
    CefRefPtr<CefValue> value = CefValue::Create();
    value->SetDictionary(settings);
    return CefWriteJSON(value, JSON_WRITER_DEFAULT).ToString();
  }

  // Every export that takes text or only reads, fed |input|; none of them
  // may wait for CEF or crash, whatever the library's phase.
  void FeedEverySetter(const HostileText& input) {
    SCOPED_TRACE(input.name);
    kit_.SetErrorPage(input.text);
    kit_.SetProxy(input.text, input.text, input.text);
    kit_.SetProxy(nullptr, nullptr, nullptr);
    kit_.RunJs(input.text);
    kit_.GetMainWindowHandle();
    kit_.Initialized();
  }

  // The main browser visits a page that fails to load, and the error page
  // it then shows, decoded.
  std::string ErrorPageShown() {
    const int64_t frame = MainFrameId();
    const int before = cefsim_frame_navigation_count(frame);
    kit_.Start(nullptr, nullptr, L"https://app.example/failing", nullptr, 0);
    EXPECT_TRUE(WaitUntil([&] {
      return cefsim_frame_navigation_count(frame) > before &&
             ControlText(cefsim_frame_url, frame).rfind(kErrorHead, 0) == 0;
    }));
    return ControlText(cefsim_frame_html, frame);
  }
};

TEST_F(ExportInputTest, HostileTextBeforeStartIsKeptUntilTheBrowserUsesIt) {
  cefsim_web_fail(kFailing, -106, 0);
  for (const HostileText& input : HostileTexts())
    FeedEverySetter(input);
  kit_.ReloadMainBrowser();
  kit_.PrevTerm();
  kit_.Term();
  EXPECT_FALSE(kit_.Initialized());
  EXPECT_EQ(nullptr, kit_.GetMainWindowHandle());
  EXPECT_EQ(0, cefsim_live_browser_count());

  // The last error page stored before the start is the one shown.
  const std::wstring template_text = L"<b>\x01\xD800\x1B</b>";
  kit_.SetErrorPage(template_text.c_str());
  kit_.SetMsgWnd(nullptr);
  ASSERT_TRUE(kit_.Start(GetModuleHandleW(nullptr), nullptr,
                         L"https://app.example/", L"app.example\0", 0));
  WaitForMainBrowser();
  ASSERT_TRUE(cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs));
  // A NULL message window stops every message to the host.
  const PageOutcome outcome = Query("anything");
  ASSERT_TRUE(outcome.answered);
  EXPECT_EQ(-2, outcome.error_code);
  EXPECT_EQ(0u, host_->message_count());
  EXPECT_EQ(RuntimeUtf8(template_text), ErrorPageShown());
}

TEST_F(ExportInputTest, HostileTextWhileRunningIsUsedWhole) {
  cefsim_web_fail(kFailing, -106, 0);
  StartApp();
  const int64_t main = MainFrameId();
  for (const HostileText& input : HostileTexts()) {
    SCOPED_TRACE(input.name);
    // The error page: NULL is the empty text, anything else arrives whole.
    kit_.SetErrorPage(input.text);
    EXPECT_EQ(Expected(input), ErrorPageShown());
    kit_.Start(nullptr, nullptr, L"https://app.example/", nullptr, 0);
    ASSERT_TRUE(WaitUntil(
        [&] { return ControlText(cefsim_frame_url, main) == kAppUrl; }));
    ASSERT_TRUE(cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs));

    // A script runs as given; NULL and empty run nothing.
    const int scripts_before = cefsim_frame_script_count(main);
    kit_.RunJs(input.text);
    kit_.RunJs(L"done()");
    ASSERT_TRUE(WaitUntil([&] {
      cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs);
      const int count = cefsim_frame_script_count(main);
      return count > scripts_before &&
             ControlText(cefsim_frame_script, main, count - 1) == "done()";
    }));
    const int ran = cefsim_frame_script_count(main) - scripts_before - 1;
    if (Expected(input).empty()) {
      EXPECT_EQ(0, ran);
    } else {
      ASSERT_EQ(1, ran);
      EXPECT_EQ(Expected(input),
                ControlText(cefsim_frame_script, main, scripts_before));
    }

    // The hostile text as the only allowed host: the application page is
    // refused until the list is set again. NULL keeps the list.
    if (input.text) {
      std::wstring list(input.text);
      list.push_back(L'\0');
      ASSERT_TRUE(StartAgainAndWait(L"https://app.example/", list.c_str()));
      ASSERT_EQ(kAppUrl, ControlText(cefsim_frame_url, main));
      const PageOutcome refused = Query("refused");
      ASSERT_TRUE(refused.answered);
      EXPECT_FALSE(refused.success);
      kit_.Start(nullptr, nullptr, L"https://app.example/", L"app.example\0",
                 0);
    }
    // A hostile start URL: the browser goes wherever CEF takes the text.
    kit_.Start(nullptr, nullptr, input.text, nullptr, 0);
    // A proxy server goes into the preference whole.
    const int preferences_before = cefsim_preference_set_count();
    kit_.SetProxy(input.text, input.text, input.text);
    if (!Expected(input).empty()) {
      const std::string expected = ProxyPreference(input.text);
      EXPECT_TRUE(WaitUntil([&] {
        for (int i = preferences_before; i < cefsim_preference_set_count();
             ++i) {
          if (ControlText(cefsim_preference_set_name, i) == "proxy" &&
              ControlText(cefsim_preference_set_value, i) == expected) {
            return true;
          }
        }
        return false;
      }));
    }
    kit_.SetProxy(L"", L"", L"");
    kit_.ReloadMainBrowser();
    // Loads of the hostile URL may end after the host moved on; the
    // application page comes back and is served.
    EXPECT_TRUE(WaitUntil([&] {
      const int last = cefsim_frame_navigation_count(main) - 1;
      if (ControlText(cefsim_frame_navigation_url, main, last) != kAppUrl)
        kit_.Start(nullptr, nullptr, L"https://app.example/", nullptr, 0);
      return cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs) &&
             ControlText(cefsim_frame_url, main) == kAppUrl &&
             Query("served").success;
    }));
  }

  // A handle that names no window: the reply stays empty.
  kit_.SetMsgWnd(reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7FFF0)));
  const PageOutcome unknown = Query("nobody");
  EXPECT_EQ(-1, unknown.error_code);
  EXPECT_EQ("Unknown", unknown.text);
  kit_.SetMsgWnd(nullptr);
  EXPECT_EQ(-2, Query("stopped").error_code);
  kit_.SetMsgWnd(host_->hwnd());
  EXPECT_TRUE(Query("again").success);

  // After the end nothing reaches CEF and nothing crashes.
  Terminate();
  for (const HostileText& input : HostileTexts()) {
    FeedEverySetter(input);
    kit_.SetMsgWnd(nullptr);
    kit_.ReloadMainBrowser();
    EXPECT_FALSE(kit_.Start(GetModuleHandleW(nullptr), nullptr, input.text,
                            input.text, 0));
    kit_.PrevTerm();
    kit_.Term();
  }
  EXPECT_FALSE(kit_.Initialized());
  EXPECT_EQ(nullptr, kit_.GetMainWindowHandle());
  EXPECT_EQ(0, cefsim_live_browser_count());
}

}  // namespace
}  // namespace orvtest

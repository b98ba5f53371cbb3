#include "kit_host.h"

#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "wait.h"

namespace orvtest {

std::wstring ExeFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty())
    return std::wstring();
  const int size = MultiByteToWideChar(
      CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(size, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                      &text[0], size);
  return text;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty())
    return std::string();
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(),
                                       static_cast<int>(text.size()), nullptr,
                                       0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                      &utf8[0], size, nullptr, nullptr);
  return utf8;
}

PageOutcome WaitForOutcome(int query_id, int index) {
  PageOutcome outcome;
  if (cefsim_page_wait_outcomes(query_id, index + 1, kDefaultTimeoutMs) <=
      index) {
    return outcome;
  }
  outcome.answered = true;
  const int size = cefsim_page_outcome_length(query_id, index);
  std::string text(size > 0 ? size + 1 : 1, '\0');
  outcome.success =
      cefsim_page_outcome(query_id, index, &outcome.error_code, &text[0],
                          static_cast<int>(text.size())) == 1;
  text.resize(size > 0 ? size : 0);
  outcome.text = text;
  return outcome;
}

void KitHostTest::SetUp() {
  ASSERT_EQ("", kit_.Load());
  host_ = std::make_unique<HostMessageWindow>();
  cefsim_web_serve(kAppUrl, 200, "App", "<p>app</p>");
}

void KitHostTest::TearDown() {
  Terminate();
  host_.reset();
}

bool KitHostTest::Start(const wchar_t* url,
                        const wchar_t* host_list,
                        DWORD flags) {
  kit_.SetMsgWnd(host_->hwnd());
  return kit_.Start(GetModuleHandleW(nullptr), nullptr, url, host_list, flags);
}

HWND KitHostTest::WaitForMainBrowser() {
  HWND window = nullptr;
  WaitUntil([&] { return (window = kit_.GetMainWindowHandle()) != nullptr; });
  WaitUntil([&] {
    const int64_t frame = MainFrameId();
    return frame && cefsim_frame_navigation_count(frame) > 0 &&
           !ControlText(cefsim_frame_url, frame).empty();
  });
  return window;
}

bool KitHostTest::StartAgainAndWait(const wchar_t* url,
                                    const wchar_t* host_list) {
  const int browser = MainBrowserId();
  const int64_t frame = MainFrameId();
  const int before = cefsim_frame_navigation_count(frame);
  kit_.Start(nullptr, nullptr, url, host_list, 0);
  const bool ended = WaitUntil([&] {
    return cefsim_frame_navigation_count(frame) > before &&
           !cefsim_browser_is_loading(browser);
  });
  return ended && cefsim_page_sync(browser, kDefaultTimeoutMs);
}

void KitHostTest::Terminate() {
  if (terminated_)
    return;
  terminated_ = true;
  kit_.PrevTerm();
  kit_.Term();
}

int KitHostTest::MainBrowserId() const {
  int ids[8] = {};
  return cefsim_live_browser_ids(ids, 8) > 0 ? ids[0] : 0;
}

int64_t KitHostTest::FrameShowing(const std::string& url) const {
  int64_t ids[32] = {};
  const int count = cefsim_browser_frame_ids(MainBrowserId(), ids, 32);
  for (int i = 0; i < count && i < 32; ++i) {
    if (cefsim_frame_is_live(ids[i]) &&
        ControlText(cefsim_frame_url, ids[i]) == url) {
      return ids[i];
    }
  }
  return 0;
}

PageOutcome KitHostTest::Query(const std::string& request,
                               int64_t frame,
                               bool persistent) {
  const int browser = MainBrowserId();
  const int query = cefsim_page_query(browser, frame ? frame : MainFrameId(),
                                      request.c_str(), persistent);
  if (!query)
    return PageOutcome();
  return WaitForOutcome(query);
}

int64_t KitHostTest::MainFrameId() const {
  const int browser = MainBrowserId();
  return browser ? cefsim_main_frame_id(browser) : 0;
}

}  // namespace orvtest

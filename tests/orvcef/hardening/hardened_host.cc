#include "hardened_host.h"

#include "cefsim/control.h"
#include "cefsim/control_network.h"
#include "cefsim/control_page.h"
#include "cefsim/control_web.h"
#include "include/internal/cef_string.h"
#include "wait.h"

namespace orvtest {

std::string RuntimeUtf8(const std::wstring& text) {
  return CefString(text).ToString();
}

const std::vector<HostileText>& HostileTexts() {
  static const std::wstring* const kLong = new std::wstring(1024 * 1024, L'm');
  static const std::vector<HostileText>* const kTexts =
      new std::vector<HostileText>{
          {"null", nullptr},
          {"empty", L""},
          {"1 MiB", kLong->c_str()},
          {"lone high surrogate", L"a\xD800z"},
          {"lone low surrogate", L"\xDC00tail"},
          {"reversed pair", L"\xDE00\xD83D"},
          {"control characters", L"\x01\x07\x1B\r\n\t\x7F\x85"},
      };
  return *kTexts;
}

void HardenedHostTest::TearDown() {
  KitHostTest::TearDown();
  // A second answer to a query is something CEF tolerates and a page
  // never expects.
  EXPECT_EQ(0, cefsim_note_count("router.second_answer"));
  EXPECT_EQ(0, cefsim_note_count("router.answer_after_cancel"));
}

void HardenedHostTest::StartApp(const wchar_t* host_list) {
  ASSERT_TRUE(Start(L"https://app.example/", host_list));
  WaitForMainBrowser();
  ASSERT_TRUE(cefsim_page_sync(MainBrowserId(), kDefaultTimeoutMs));
}

int HardenedHostTest::SendQuery(const std::string& request,
                                int browser,
                                int64_t frame) {
  if (!browser)
    browser = MainBrowserId();
  if (!frame)
    frame = cefsim_main_frame_id(browser);
  const int query = cefsim_page_query(browser, frame, request.c_str(), 0);
  if (query)
    sent_queries_.push_back(query);
  return query;
}

int HardenedHostTest::StartDownload(const std::string& name, bool hold) {
  const std::wstring folder = ExeFolder() + L"downloads";
  CreateDirectoryW(folder.c_str(), nullptr);
  cefsim_save_dialog_queue_answer((Narrow(folder) + "\\" + name).c_str());
  return cefsim_page_download(MainBrowserId(),
                              ("https://app.example/" + name).c_str(),
                              name.c_str(), 64, hold);
}

void HardenedHostTest::ExpectEachAnsweredOnce(size_t first, int sync_browser) {
  for (size_t i = first; i < sent_queries_.size(); ++i) {
    EXPECT_EQ(1,
              cefsim_page_wait_outcomes(sent_queries_[i], 1, kDefaultTimeoutMs))
        << "query " << i << " was never answered";
  }
  const int browser = sync_browser ? sync_browser : MainBrowserId();
  if (browser) {
    const int sync =
        cefsim_page_query(browser, cefsim_main_frame_id(browser), "sync", 0);
    EXPECT_TRUE(sync && WaitForOutcome(sync).answered);
  }
  for (size_t i = first; i < sent_queries_.size(); ++i) {
    EXPECT_EQ(1, cefsim_page_wait_outcomes(sent_queries_[i], 2, 0))
        << "query " << i << " was answered twice";
  }
}

}  // namespace orvtest

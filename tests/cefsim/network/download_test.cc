// Downloads: CanDownload, OnBeforeDownload and its callback, the save
// dialog, and OnDownloadUpdated for progress, completion and cancellation
// as CEF 109 reports them.
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "cefsim/control.h"
#include "cefsim/control_network.h"
#include "cefsim/control_web.h"
#include "network_fixture.h"
#include "violations.h"

namespace cefsim_test {
namespace {

class DownloadTest : public NetworkTest {
 protected:
  void SetUp() override {
    NetworkTest::SetUp();
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH + 1, temp);
    folder_ = temp;
  }

  // Continues every download with |path| and |show_dialog|.
  void ContinueWith(const std::string& path, bool show_dialog) {
    client_->before_download = [path, show_dialog](
                                   CefRefPtr<CefDownloadItem>, const CefString&,
                                   CefRefPtr<CefBeforeDownloadCallback> cb) {
      cb->Continue(path, show_dialog);
    };
  }

  int64_t Int(int id, const char* field) {
    int64_t value = -1;
    EXPECT_EQ(1, cefsim_download_int(id, field, &value)) << field;
    return value;
  }

  std::string folder_;
};

TEST_F(DownloadTest, SavedThroughTheDialogWithCefsUpdates) {
  CreateBrowser();
  const std::string chosen = folder_ + "cefsim-report.pdf";
  DeleteFileA(chosen.c_str());
  ContinueWith("report.pdf", true);
  cefsim_save_dialog_queue_answer(chosen.c_str());
  const int id =
      cefsim_page_download(browser_->GetIdentifier(),
                           "http://files.test/get?id=7", "report.pdf", 1000, 0);
  ASSERT_NE(0, id);
  ASSERT_EQ(1, cefsim_download_wait_phase(id, CEFSIM_DOWNLOAD_COMPLETE,
                                          orvtest::kDefaultTimeoutMs));
  const std::string at = " [" + chosen + "]";
  EXPECT_EQ((std::vector<std::string>{
                "CanDownload http://files.test/get?id=7 GET",
                "BeforeDownload report.pdf in-progress 0% 0/1000 []",
                "Updated in-progress 0% 0/1000" + at,
                "Updated in-progress 50% 500/1000" + at,
                "Updated complete 100% 1000/1000" + at}),
            client_->events());
  EXPECT_TRUE(client_->callbacks_on_expected_threads);
  EXPECT_EQ("report.pdf",
            ControlText(cefsim_save_dialog_text, 1, "default_file_name"));
  EXPECT_EQ(".pdf", ControlText(cefsim_save_dialog_text, 1, "accept_type"));
  EXPECT_EQ("attachment; filename=\"report.pdf\"",
            ControlText(cefsim_download_text, id, "content_disposition"));
  EXPECT_LT(0, Int(id, "item_id"));
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  ASSERT_TRUE(
      GetFileAttributesExA(chosen.c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(1000u, data.nFileSizeLow);
  DeleteFileA(chosen.c_str());
}

// Every way a download can end before it completes.
TEST_F(DownloadTest, EndsWithoutCompleting) {
  CreateBrowser();
  const int browser = browser_->GetIdentifier();

  // Refused by CanDownload: no OnBeforeDownload.
  client_->can_download = false;
  int id = cefsim_page_download(browser, "http://files.test/a", "a.txt", 10, 0);
  ASSERT_EQ(1, cefsim_download_wait_phase(id, CEFSIM_DOWNLOAD_REFUSED, 5000));
  EXPECT_EQ(0, Int(id, "before_download_calls"));
  client_->can_download = true;

  // The dialog is cancelled while open: the item reports cancellation.
  ContinueWith("b.txt", true);
  id = cefsim_page_download(browser, "http://files.test/b", "b.txt", 10, 0);
  const int dialog = cefsim_save_dialog_wait(orvtest::kDefaultTimeoutMs);
  ASSERT_NE(0, dialog);
  EXPECT_EQ(browser, [&] {
    int value = 0;
    cefsim_save_dialog_int(dialog, "browser_id", &value);
    return value;
  }());
  ASSERT_EQ(1, cefsim_save_dialog_answer(dialog, nullptr));
  ASSERT_EQ(1, cefsim_download_wait_phase(id, CEFSIM_DOWNLOAD_CANCELED, 5000));
  ASSERT_TRUE(client_->WaitFor("Updated canceled 0% 0/10 []"));

  // Held mid-transfer, then cancelled by the user: the path is forgotten.
  ContinueWith(folder_ + "cefsim-c.txt", false);
  id = cefsim_page_download(browser, "http://files.test/c", "c.txt", 10, 1);
  ASSERT_EQ(1, cefsim_download_wait_phase(id, CEFSIM_DOWNLOAD_HELD, 5000));
  ASSERT_EQ(1, cefsim_download_cancel(id));
  ASSERT_TRUE(client_->WaitFor("Updated canceled 50% 5/10 []"));

  // Never continued: it waits without a target and nothing more comes.
  client_->before_download = nullptr;
  id = cefsim_page_download(browser, "http://files.test/d", "d.txt", 10, 0);
  ASSERT_TRUE(orvtest::WaitUntil(
      [] { return cefsim_note_count("download-callback-released") == 1; }));
  EXPECT_EQ(CEFSIM_DOWNLOAD_AWAITING_TARGET, cefsim_download_phase(id));
  EXPECT_EQ(0, Int(id, "updated_calls"));
  EXPECT_FALSE(client_->Has("Updated in-progress 0% 0/10 []"));
}

TEST_F(DownloadTest, OnlyTheFirstContinueCountsAndAnEmptyPathMeansTemp) {
  CreateBrowser();
  client_->before_download = [](CefRefPtr<CefDownloadItem>, const CefString&,
                                CefRefPtr<CefBeforeDownloadCallback> cb) {
    cb->Continue("", false);
    cb->Continue("ignored.txt", true);
  };
  const int id =
      cefsim_page_download(browser_->GetIdentifier(),
                           "http://files.test/dir/plain.txt", nullptr, 4, 0);
  ASSERT_EQ(1, cefsim_download_wait_phase(id, CEFSIM_DOWNLOAD_COMPLETE,
                                          orvtest::kDefaultTimeoutMs));
  // No Content-Disposition: the name comes from the URL.
  EXPECT_TRUE(client_->Has("BeforeDownload plain.txt in-progress 0% 0/4 []"));
  EXPECT_EQ(folder_ + "plain.txt",
            ControlText(cefsim_download_text, id, "full_path"));
  EXPECT_EQ(2, Int(id, "continue_calls"));
  EXPECT_EQ(1, cefsim_note_count("download-continue-again"));
  EXPECT_EQ(0, cefsim_save_dialog_count());
  DeleteFileA((folder_ + "plain.txt").c_str());
}

TEST_F(DownloadTest, ItemKeptPastItsCallbackIsMisuse) {
  CreateBrowser();
  client_->before_download = [this](CefRefPtr<CefDownloadItem> item,
                                    const CefString&,
                                    CefRefPtr<CefBeforeDownloadCallback>) {
    client_->kept_item = item;
  };
  cefsim_page_download(browser_->GetIdentifier(), "http://files.test/k", "k", 1,
                       0);
  ASSERT_TRUE(
      orvtest::WaitUntil([&] { return client_->kept_item != nullptr; }));
  ASSERT_TRUE(
      orvtest::WaitUntil([&] { return !client_->kept_item->IsValid(); }));
  EXPECT_EQ(0u, client_->kept_item->GetId());
  EXPECT_EQ(1, orvtest::TakeViolations("accessed after being detached"));
  client_->kept_item = nullptr;
}

TEST_F(DownloadTest, NavigationToADownloadIsAbortedAndDownloads) {
  cefsim_web_serve("http://files.test/", 200, "Files", "");
  cefsim_web_serve_download("http://files.test/setup.exe", "setup.exe",
                            "application/x-msdownload", 8);
  CreateBrowser();
  ContinueWith(folder_ + "cefsim-setup.exe", false);
  Load("http://files.test/setup.exe");
  ASSERT_TRUE(client_->WaitFor("LoadError http://files.test/setup.exe -3"));
  ASSERT_EQ(1, cefsim_download_wait_phase(1, CEFSIM_DOWNLOAD_COMPLETE,
                                          orvtest::kDefaultTimeoutMs));
  EXPECT_EQ("application/x-msdownload",
            ControlText(cefsim_download_text, 1, "mime_type"));
  DeleteFileA((folder_ + "cefsim-setup.exe").c_str());
}

// A handler that asks from OnDownloadUpdated gets the answer a test gives
// through the box owned by the browser's window.
TEST_F(DownloadTest, MessageBoxFromAnUpdateIsAnswerable) {
  CreateBrowser();
  ContinueWith(folder_ + "cefsim-box.txt", false);
  std::atomic<int> answer{0};
  client_->download_updated = [&](CefRefPtr<CefDownloadItem> item) {
    if (!item->IsComplete())
      return;
    answer = MessageBoxW(browser_->GetHost()->GetWindowHandle(), L"Open it?",
                         L"", MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2);
  };
  const int id = cefsim_page_download(browser_->GetIdentifier(),
                                      "http://files.test/box", "box.txt", 2, 0);
  void* window = browser_->GetHost()->GetWindowHandle();
  char text[64] = {};
  ASSERT_EQ(1, cefsim_message_box_wait(window, orvtest::kDefaultTimeoutMs, text,
                                       sizeof(text)));
  EXPECT_STREQ("Open it?", text);
  ASSERT_EQ(1, cefsim_message_box_answer(window, IDYES, 1000));
  ASSERT_TRUE(orvtest::WaitUntil([&] { return answer != 0; }));
  EXPECT_EQ(IDYES, answer);

  // A repeated report of the completed item asks again.
  answer = 0;
  ASSERT_EQ(1, cefsim_download_repeat_update(id));
  ASSERT_EQ(
      1, cefsim_message_box_answer(window, IDNO, orvtest::kDefaultTimeoutMs));
  ASSERT_TRUE(orvtest::WaitUntil([&] { return answer != 0; }));
  EXPECT_EQ(IDNO, answer);
  DeleteFileA((folder_ + "cefsim-box.txt").c_str());
}

}  // namespace
}  // namespace cefsim_test

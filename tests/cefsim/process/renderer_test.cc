// The renderer process as the application's render-process handler sees it,
// observed from the browser process through the probes of the test
// renderer application (test_renderer_app.h).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "cefsim/control.h"
#include "gtest/gtest.h"
#include "include/cef_shared_process_message_builder.h"
#include "process/renderer_host.h"
#include "recording_delegate.h"
#include "violations.h"
#include "wait.h"

namespace {

using cefsim::process::PageQueryOutcome;
using cefsim::process::RendererHost;
using cefsim::process::TerminationStatus;

// A browser kept only to talk to the renderer through its main frame.
constexpr int kProbeBrowser = 9;
constexpr int64_t kProbeFrame = 900;

std::vector<std::string> Strings(CefRefPtr<CefListValue> list) {
  std::vector<std::string> strings;
  for (size_t i = 0; i < list->GetSize(); ++i)
    strings.push_back(list->GetString(i));
  return strings;
}

class RendererTest : public testing::Test {
 protected:
  void SetUp() override {
    host_ = RendererHost::Launch(std::wstring(), &delegate_);
    ASSERT_TRUE(host_);
    host_->CreateBrowser(kProbeBrowser, false);
    host_->CommitNavigation(kProbeBrowser, kProbeFrame, 0, true, "about:blank");
  }

  // Sends |message| to |frame_id| and waits for the next message back.
  CefRefPtr<CefProcessMessage> Ask(int browser_id,
                                   int64_t frame_id,
                                   CefRefPtr<CefProcessMessage> message) {
    const size_t before = delegate_.messages().size();
    host_->SendProcessMessage(browser_id, frame_id, message);
    if (!orvtest::WaitUntil(
            [&] { return delegate_.messages().size() > before; })) {
      return nullptr;
    }
    return delegate_.messages()[before].message;
  }

  CefRefPtr<CefProcessMessage> Ask(int browser_id,
                                   int64_t frame_id,
                                   const char* name) {
    return Ask(browser_id, frame_id, CefProcessMessage::Create(name));
  }

  // The callbacks the renderer saw, but those of the probe browser.
  std::vector<std::string> Log() {
    CefRefPtr<CefProcessMessage> reply =
        Ask(kProbeBrowser, kProbeFrame, "log?");
    if (!reply)
      return {"no answer"};
    std::vector<std::string> log;
    const std::string probe = " " + std::to_string(kProbeBrowser);
    for (const std::string& entry : Strings(reply->GetArgumentList())) {
      if (entry.find(probe) == std::string::npos)
        log.push_back(entry);
    }
    return log;
  }

  orvtest::RecordingDelegate delegate_;
  std::unique_ptr<RendererHost> host_;
};

TEST_F(RendererTest, AnnouncesBrowsersAndContextsInCefOrder) {
  host_->CreateBrowser(1, true);
  host_->CommitNavigation(1, 10, 0, true, "https://a.test/");
  host_->CommitNavigation(1, 11, 10, false, "https://a.test/sub");
  host_->CommitNavigation(1, 12, 11, false, "https://a.test/subsub");
  // A new document in the main frame takes the old one's sub-frames along.
  host_->CommitNavigation(1, 10, 0, true, "https://b.test/");
  host_->CommitNavigation(1, 13, 10, false, "https://b.test/sub");
  host_->DetachFrame(1, 13);
  host_->DetachFrame(1, 13);  // Already gone: nothing more.
  host_->CommitNavigation(1, 14, 10, false, "https://b.test/other");
  host_->DestroyBrowser(1);
  EXPECT_EQ((std::vector<std::string>{
                "webkit",
                "browser_created 1 popup",
                "context_created 1 10 https://a.test/ main entered own",
                "context_created 1 11 https://a.test/sub parent 10 entered own",
                "context_created 1 12 https://a.test/subsub parent 11 entered "
                "own",
                "context_released 1 12 valid",
                "context_released 1 11 valid",
                "context_released 1 10 valid",
                "context_created 1 10 https://b.test/ main entered own",
                "context_created 1 13 https://b.test/sub parent 10 entered own",
                "context_released 1 13 valid",
                "context_created 1 14 https://b.test/other parent 10 entered "
                "own",
                "context_released 1 14 valid",
                "context_released 1 10 valid",
                "browser_destroyed 1",
            }),
            Log());
}

TEST_F(RendererTest, FramesReportWhatTheBrowserProcessGaveThem) {
  host_->CreateBrowser(2, false);
  host_->CommitNavigation(2, 20, 0, true, "https://main.test/");
  host_->CommitNavigation(2, 21, 20, false, "https://child.test/x?y=1");
  const struct {
    int64_t frame_id;
    std::vector<std::string> expected;
  } kCases[] = {
      {20,
       {"20", "1", "1", "none", "https://main.test/", "2", "1", "1", "2", "2",
        "20", "0", "1", "1"}},
      {21,
       {"21", "0", "1", "20", "https://child.test/x?y=1", "2", "1", "1", "2",
        "2", "20", "0", "1", "1"}},
  };
  for (const auto& row : kCases) {
    CefRefPtr<CefProcessMessage> reply = Ask(2, row.frame_id, "frame?");
    ASSERT_TRUE(reply) << "frame " << row.frame_id;
    EXPECT_EQ("frame", reply->GetName().ToString());
    CefRefPtr<CefListValue> args = reply->GetArgumentList();
    std::vector<std::string> seen;
    for (size_t i = 0; i < args->GetSize(); ++i) {
      seen.push_back(
          args->GetType(i) == VTYPE_BOOL  ? std::to_string(args->GetBool(i))
          : args->GetType(i) == VTYPE_INT ? std::to_string(args->GetInt(i))
                                          : args->GetString(i).ToString());
    }
    EXPECT_EQ(row.expected, seen) << "frame " << row.frame_id;
    EXPECT_EQ(2, delegate_.messages().back().browser_id);
    EXPECT_EQ(row.frame_id, delegate_.messages().back().frame_id);
  }
}

TEST_F(RendererTest, ProcessMessagesCrossBothWaysWithArgumentsIntact) {
  std::string large(3 * 1024 * 1024 + 7, '\0');
  for (size_t i = 0; i < large.size(); ++i)
    large[i] = static_cast<char>(i * 131 + 7);
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("echo");
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  args->SetNull(0);
  args->SetBool(1, true);
  args->SetInt(2, -2147483647 - 1);
  args->SetDouble(3, 0.1);
  args->SetString(4, u8"ünïcödé \U0001F600");
  args->SetBinary(5, CefBinaryValue::Create(large.data(), large.size()));
  CefRefPtr<CefDictionaryValue> dictionary = CefDictionaryValue::Create();
  dictionary->SetString("key", "value");
  CefRefPtr<CefListValue> inner = CefListValue::Create();
  inner->SetInt(0, 42);
  dictionary->SetList("list", inner);
  args->SetDictionary(6, dictionary);
  CefRefPtr<CefListValue> expected = args->Copy();

  CefRefPtr<CefProcessMessage> reply = Ask(kProbeBrowser, kProbeFrame, message);
  // Sending took the arguments, as CEF does.
  EXPECT_FALSE(message->IsValid());
  ASSERT_TRUE(reply);
  EXPECT_EQ("echo", reply->GetName().ToString());
  EXPECT_TRUE(reply->IsReadOnly());
  CefRefPtr<CefListValue> echoed = reply->GetArgumentList();
  ASSERT_EQ(expected->GetSize() + 1, echoed->GetSize());
  // The renderer got a read-only message, as CEF delivers them.
  EXPECT_TRUE(echoed->GetBool(expected->GetSize()));
  echoed = echoed->Copy();
  echoed->Remove(expected->GetSize());
  EXPECT_TRUE(expected->IsEqual(echoed));
  EXPECT_EQ(large.size(), echoed->GetBinary(5)->GetSize());
}

TEST_F(RendererTest, SharedMemoryMessagesCrossBothWays) {
  const size_t size = 256 * 1024;
  CefRefPtr<CefSharedProcessMessageBuilder> builder =
      CefSharedProcessMessageBuilder::Create("echo", size);
  unsigned char* bytes = static_cast<unsigned char*>(builder->Memory());
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<unsigned char>(i % 251);
  CefRefPtr<CefProcessMessage> reply =
      Ask(kProbeBrowser, kProbeFrame, builder->Build());
  ASSERT_TRUE(reply);
  CefRefPtr<CefSharedMemoryRegion> region = reply->GetSharedMemoryRegion();
  ASSERT_TRUE(region && region->IsValid());
  ASSERT_EQ(size, region->Size());
  const unsigned char* echoed =
      static_cast<const unsigned char*>(region->Memory());
  size_t mismatches = 0;
  for (size_t i = 0; i < size; ++i)
    mismatches += echoed[i] != static_cast<unsigned char>(i % 251);
  EXPECT_EQ(0u, mismatches);
}

TEST_F(RendererTest, UnhandledAndMisaddressedMessagesAreDropped) {
  host_->SendProcessMessage(kProbeBrowser, kProbeFrame,
                            CefProcessMessage::Create("nobody-handles-this"));
  host_->SendProcessMessage(kProbeBrowser, 12345,
                            CefProcessMessage::Create("echo"));
  host_->SendProcessMessage(77, kProbeFrame, CefProcessMessage::Create("echo"));
  ASSERT_TRUE(delegate_.SyncWith(host_.get(), 1));
  EXPECT_TRUE(delegate_.messages().empty());
  // The renderer's notes reach the browser process's records.
  EXPECT_EQ(2, cefsim_note_count("process_message_dropped"));
  // The renderer is still fine.
  EXPECT_TRUE(Ask(kProbeBrowser, kProbeFrame, "frame?"));
}

TEST_F(RendererTest, RendererMisuseFailsTheBrowserProcessTest) {
  CefRefPtr<CefProcessMessage> sent = Ask(kProbeBrowser, kProbeFrame, "misuse");
  // CEF's debug check stops there; release builds send it on regardless.
  ASSERT_TRUE(sent);
  EXPECT_EQ("misused", sent->GetName().ToString());
  EXPECT_EQ(1, orvtest::TakeViolations(
                   "renderer: CefFrame::SendProcessMessage from the renderer "
                   "must target PID_BROWSER"));
}

TEST(RendererEnd, IsReportedOnceWithChromiumsStatusForTheExitCode) {
  const struct {
    DWORD exit_code;
    TerminationStatus status;
  } kCases[] = {
      {0xC0000005, TerminationStatus::kProcessCrashed},
      {0xE0000008, TerminationStatus::kOom},
      {1, TerminationStatus::kProcessWasKilled},
      {7, TerminationStatus::kProcessCrashed},
      {0, TerminationStatus::kNormalTermination},
  };
  for (const auto& row : kCases) {
    orvtest::RecordingDelegate delegate;
    std::unique_ptr<RendererHost> host =
        RendererHost::Launch(std::wstring(), &delegate);
    ASSERT_TRUE(host);
    host->CreateBrowser(1, false);
    host->CommitNavigation(1, 10, 0, true, "about:blank");
    CefRefPtr<CefProcessMessage> exit = CefProcessMessage::Create("exit");
    exit->GetArgumentList()->SetInt(0, static_cast<int>(row.exit_code));
    host->SendProcessMessage(1, 10, exit);
    ASSERT_TRUE(orvtest::WaitUntil([&] { return !delegate.gone().empty(); }))
        << "exit code 0x" << std::hex << row.exit_code;
    host.reset();
    EXPECT_EQ(std::vector<TerminationStatus>{row.status}, delegate.gone())
        << "exit code 0x" << std::hex << row.exit_code;
  }
}

TEST_F(RendererTest, KeepsTheScriptsRunInEachFrame) {
  host_->CreateBrowser(3, false);
  host_->CommitNavigation(3, 30, 0, true, "https://s.test/");
  host_->CommitNavigation(3, 31, 30, false, "https://s.test/sub");
  host_->ExecuteJavaScript(3, 30, "window.__push(\"/a\")", "native_js", 1);
  host_->ExecuteJavaScript(3, 31, "sub()", "https://s.test/sub", 5);
  host_->ExecuteJavaScript(3, 30, "window.__push(\"/b\")", "native_js", 2);
  host_->ExecuteJavaScript(3, 99, "lost()", "", 1);  // No such frame.
  CefRefPtr<CefProcessMessage> main_scripts = Ask(3, 30, "scripts?");
  ASSERT_TRUE(main_scripts);
  EXPECT_EQ((std::vector<std::string>{"native_js|1|window.__push(\"/a\")",
                                      "native_js|2|window.__push(\"/b\")"}),
            Strings(main_scripts->GetArgumentList()));
  CefRefPtr<CefProcessMessage> sub_scripts = Ask(3, 31, "scripts?");
  ASSERT_TRUE(sub_scripts);
  EXPECT_EQ((std::vector<std::string>{"https://s.test/sub|5|sub()"}),
            Strings(sub_scripts->GetArgumentList()));
}

// Outcomes of page queries, keyed by what the page asked.
class PageQueryTest : public RendererTest {
 protected:
  void SetUp() override {
    RendererTest::SetUp();
    host_->CreateBrowser(4, false);
    host_->CommitNavigation(4, 40, 0, true, "https://with-query.test/");
    host_->CommitNavigation(4, 41, 40, false, "https://plain.test/");
  }

  std::vector<PageQueryOutcome> OutcomesOf(int page_query_id) {
    std::vector<PageQueryOutcome> outcomes;
    for (const PageQueryOutcome& outcome : delegate_.outcomes()) {
      if (outcome.page_query_id == page_query_id)
        outcomes.push_back(outcome);
    }
    return outcomes;
  }
};

TEST_F(PageQueryTest, ReportsWhatThePageCallbacksReceive) {
  const struct {
    int page_query_id;
    int64_t frame_id;
    const char* request;
    bool persistent;
    size_t outcomes;
    bool success;
    const char* response;
    int error_code;
    const char* error_message;
  } kCases[] = {
      {1, 40, "hello", false, 1, true, "echo:hello", 0, ""},
      {2, 40, "again", true, 2, true, "echo:again", 0, ""},
      {3, 40, "fail", false, 1, false, "", 5, "nope"},
      {4, 41, "hello", false, 1, false, "", 0, "cefQuery is not defined"},
      {5, 49, "hello", false, 1, false, "", 0, "no script context"},
  };
  for (const auto& row : kCases) {
    host_->RunPageQuery(4, row.frame_id, row.page_query_id, row.request,
                        row.persistent);
  }
  ASSERT_TRUE(delegate_.SyncWith(host_.get(), 1));
  for (const auto& row : kCases) {
    const std::vector<PageQueryOutcome> outcomes =
        OutcomesOf(row.page_query_id);
    ASSERT_EQ(row.outcomes, outcomes.size()) << "query " << row.page_query_id;
    for (const PageQueryOutcome& outcome : outcomes) {
      EXPECT_EQ(row.success, outcome.success) << "query " << row.page_query_id;
      EXPECT_EQ(row.response, outcome.response)
          << "query " << row.page_query_id;
      EXPECT_EQ(row.error_code, outcome.error_code)
          << "query " << row.page_query_id;
      EXPECT_EQ(row.error_message, outcome.error_message)
          << "query " << row.page_query_id;
    }
  }
}

TEST_F(PageQueryTest, CancelPassesTheIdCefQueryReturned) {
  host_->RunPageQuery(4, 40, 7, "first", true);
  host_->RunPageQuery(4, 40, 8, "second", true);
  host_->RunPageQueryCancel(4, 40, 8);
  host_->RunPageQueryCancel(4, 40, 8);  // Already cancelled: not again.
  host_->RunPageQueryCancel(4, 40, 3);  // Never made.
  // A new document forgets the old one's queries.
  host_->CommitNavigation(4, 40, 0, true, "https://with-query.test/2");
  host_->RunPageQueryCancel(4, 40, 7);
  std::vector<std::string> cancels;
  for (const std::string& entry : Log()) {
    if (entry.compare(0, 6, "cancel") == 0)
      cancels.push_back(entry);
  }
  EXPECT_EQ((std::vector<std::string>{"cancel 42"}), cancels);
}

}  // namespace

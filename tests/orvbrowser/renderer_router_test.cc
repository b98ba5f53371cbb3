// orvbrowser.exe as CEF's renderer: its router gives every frame's page
// cefQuery and cefQueryCancel, which reach the browser process as the
// router's messages, and the router hands replies back to the page.
#include <memory>
#include <string>

#include "gtest/gtest.h"
#include "orvbrowser_path.h"
#include "process/renderer_host.h"
#include "recording_delegate.h"
#include "wait.h"

namespace {

using cefsim::process::PageQueryOutcome;
using cefsim::process::RendererHost;

class RendererRouterTest : public testing::Test {
 protected:
  void SetUp() override {
    host_ = RendererHost::Launch(orvtest::OrvbrowserPath(), &delegate_);
    ASSERT_TRUE(host_);
    host_->CreateBrowser(1, false);
    host_->CommitNavigation(1, 10, 0, true, "https://app.test/");
    host_->CommitNavigation(1, 11, 10, false, "https://app.test/frame");
  }

  // Waits for message number |index| from the renderer.
  orvtest::ReceivedMessage MessageAt(size_t index) {
    if (!orvtest::WaitUntil(
            [&] { return delegate_.messages().size() > index; })) {
      return {};
    }
    return delegate_.messages()[index];
  }

  orvtest::RecordingDelegate delegate_;
  std::unique_ptr<RendererHost> host_;
};

TEST_F(RendererRouterTest, PagesInEveryFrameReachTheBrowserThroughCefQuery) {
  const int64_t kFrames[] = {10, 11};
  for (size_t i = 0; i < 2; ++i) {
    host_->RunPageQuery(1, kFrames[i], static_cast<int>(i + 1), "route",
                        i == 1);
    const orvtest::ReceivedMessage query = MessageAt(i);
    ASSERT_TRUE(query.message) << "frame " << kFrames[i];
    EXPECT_EQ("cefQueryMsg", query.message->GetName().ToString());
    EXPECT_EQ(1, query.browser_id);
    EXPECT_EQ(kFrames[i], query.frame_id);
    CefRefPtr<CefListValue> args = query.message->GetArgumentList();
    ASSERT_EQ(4u, args->GetSize());
    EXPECT_EQ("route", args->GetString(2).ToString());
    EXPECT_EQ(i == 1, args->GetBool(3));
  }
  // No page outcome yet: the browser side has not answered.
  ASSERT_TRUE(delegate_.SyncWith(host_.get(), 1));
  EXPECT_TRUE(delegate_.outcomes().empty());
}

TEST_F(RendererRouterTest, RepliesReachThePageAndCancelReachesTheBrowser) {
  host_->RunPageQuery(1, 10, 5, "ask", true);
  const orvtest::ReceivedMessage query = MessageAt(0);
  ASSERT_TRUE(query.message);
  CefRefPtr<CefListValue> args = query.message->GetArgumentList();
  const int context_id = args->GetInt(0);
  const int request_id = args->GetInt(1);

  CefRefPtr<CefProcessMessage> reply = CefProcessMessage::Create("cefQueryMsg");
  CefRefPtr<CefListValue> reply_args = reply->GetArgumentList();
  reply_args->SetInt(0, context_id);
  reply_args->SetInt(1, request_id);
  reply_args->SetBool(2, true);
  reply_args->SetString(3, "answer");
  host_->SendProcessMessage(1, 10, reply);
  ASSERT_TRUE(
      orvtest::WaitUntil([&] { return delegate_.outcomes().size() == 1; }));
  const PageQueryOutcome outcome = delegate_.outcomes()[0];
  EXPECT_EQ(5, outcome.page_query_id);
  EXPECT_TRUE(outcome.success);
  EXPECT_EQ("answer", outcome.response);

  // A message that is not the router's leaves the renderer as it was.
  host_->SendProcessMessage(1, 10, CefProcessMessage::Create("unrelated"));
  host_->RunPageQueryCancel(1, 10, 5);
  const orvtest::ReceivedMessage cancel = MessageAt(1);
  ASSERT_TRUE(cancel.message);
  EXPECT_EQ("cefQueryCancelMsg", cancel.message->GetName().ToString());
  CefRefPtr<CefListValue> cancel_args = cancel.message->GetArgumentList();
  ASSERT_EQ(2u, cancel_args->GetSize());
  EXPECT_EQ(context_id, cancel_args->GetInt(0));
  EXPECT_EQ(request_id, cancel_args->GetInt(1));
}

}  // namespace

// How answers reach the page: never inline, from any thread, once for a
// plain query (a second answer is ignored and noted), many times for a
// persistent one until it fails.
#include <thread>

#include "cefsim/control.h"
#include "router_harness.h"

namespace orvtest {
namespace {

using Mode = TestQueryHandler::Mode;

TEST_F(RouterTest, AnAnswerGivenInsideOnQueryArrivesLater) {
  AddHandler(Mode::kSucceedAtOnce);
  CefRefPtr<CefV8Context> context = NewContext(main_frame_);
  PageQuery(context, "q", false);
  // Carry the query over without running any task.
  CefRefPtr<CefProcessMessage> query = SentTo(main_frame_, PID_BROWSER)[0];
  EXPECT_TRUE(browser_router_->OnProcessMessageReceived(browser_, main_frame_,
                                                        PID_RENDERER, query));
  EXPECT_TRUE(SentTo(main_frame_, PID_RENDERER).empty());
  EXPECT_EQ(1, browser_router_->GetPendingCount(browser_, nullptr));
  Pump();
  ASSERT_EQ(1u, outcomes_.size());
  EXPECT_EQ("at once: q", outcomes_[0].text);
  EXPECT_EQ(0, browser_router_->GetPendingCount(browser_, nullptr));
}

TEST_F(RouterTest, AnswersMayComeFromAnyThread) {
  TestQueryHandler* handler = AddHandler(Mode::kKeep);
  CefRefPtr<CefV8Context> context = NewContext(main_frame_);
  PageQuery(context, "one", false);
  PageQuery(context, "two", false);
  Pump();
  ASSERT_EQ(2u, handler->requests.size());
  // The handler keeps the last callback: the second query's.
  CefRefPtr<CefMessageRouterBrowserSide::Callback> second = handler->callback;
  std::thread worker([second] { second->Failure(7, "from a worker"); });
  worker.join();
  EXPECT_TRUE(outcomes_.empty());
  Pump();
  ASSERT_EQ(1u, outcomes_.size());
  EXPECT_FALSE(outcomes_[0].success);
  EXPECT_EQ(7, outcomes_[0].error_code);
  EXPECT_EQ("from a worker", outcomes_[0].text);
  EXPECT_EQ(1, browser_router_->GetPendingCount(browser_, nullptr));
  browser_router_->CancelPending(browser_, nullptr);
  Pump();
}

struct SecondAnswerCase {
  const char* name;
  bool first_fails;
  bool second_fails;
};

const SecondAnswerCase kSecondAnswers[] = {
    {"success twice", false, false},
    {"failure after success", false, true},
    {"success after failure", true, false},
    {"failure twice", true, true},
};

void Answer(CefRefPtr<CefMessageRouterBrowserSide::Callback> callback,
            bool fail,
            const char* text) {
  if (fail)
    callback->Failure(3, text);
  else
    callback->Success(text);
}

TEST_F(RouterTest, ASecondAnswerToAPlainQueryIsIgnoredAndNoted) {
  TestQueryHandler* handler = AddHandler(Mode::kKeep);
  CefRefPtr<CefV8Context> context = NewContext(main_frame_);
  for (const SecondAnswerCase& c : kSecondAnswers) {
    SCOPED_TRACE(c.name);
    cefsim_clear_records();
    outcomes_.clear();
    PageQuery(context, "q", false);
    Pump();
    Answer(handler->callback, c.first_fails, "first");
    Answer(handler->callback, c.second_fails, "second");
    Pump();
    ASSERT_EQ(1u, outcomes_.size());
    EXPECT_EQ("first", outcomes_[0].text);
    EXPECT_EQ(!c.first_fails, outcomes_[0].success);
    EXPECT_EQ(1, cefsim_note_count("router.second_answer"));
  }
}

TEST_F(RouterTest, APersistentQueryIsAnsweredUntilItFails) {
  TestQueryHandler* handler = AddHandler(Mode::kKeep);
  CefRefPtr<CefV8Context> context = NewContext(main_frame_);
  PageQuery(context, "watch", /*persistent=*/true);
  Pump();
  for (const char* text : {"1", "2", "3"})
    handler->callback->Success(text);
  Pump();
  ASSERT_EQ(3u, outcomes_.size());
  EXPECT_EQ("3", outcomes_[2].text);
  EXPECT_EQ(1, browser_router_->GetPendingCount(browser_, nullptr));
  EXPECT_EQ(1, renderer_router_->GetPendingCount(browser_, context));
  EXPECT_EQ(0, cefsim_note_count("router.second_answer"));

  handler->callback->Failure(9, "done");
  handler->callback->Success("late");
  Pump();
  ASSERT_EQ(4u, outcomes_.size());
  EXPECT_FALSE(outcomes_[3].success);
  EXPECT_EQ(0, browser_router_->GetPendingCount(browser_, nullptr));
  EXPECT_EQ(0, renderer_router_->GetPendingCount(browser_, context));
  EXPECT_EQ(1, cefsim_note_count("router.second_answer"));
  EXPECT_TRUE(handler->canceled.empty());
}

}  // namespace
}  // namespace orvtest

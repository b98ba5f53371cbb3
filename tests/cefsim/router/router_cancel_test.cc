// Every way a pending query ends without an answer, with 109's effect on
// the handler (OnQueryCanceled) and on the page (onFailure or nothing).
#include <functional>
#include <string>

#include "cefsim/control.h"
#include "router_harness.h"

namespace orvtest {
namespace {

using Mode = TestQueryHandler::Mode;

struct CancelCase {
  const char* name;
  // Ends the query the page made in |context| of |frame| (request |id|).
  std::function<void(RouterTest* test,
                     CefRefPtr<TestFrame> frame,
                     CefRefPtr<CefV8Context> context,
                     int id)>
      trigger;
  bool on_sub_frame;
  bool handler_told;
  bool page_fails;  // -1 "The query has been canceled".
};

class RouterCancelTest : public RouterTest {
 public:
  // The fixture's parts, for the triggers.
  CefRefPtr<CefMessageRouterBrowserSide> browser_router() {
    return browser_router_;
  }
  CefRefPtr<TestBrowser> browser() { return browser_; }
  CefRefPtr<TestFrame> main_frame() { return main_frame_; }
  bool Cancel(CefRefPtr<CefV8Context> context, int id) {
    return PageCancel(context, id);
  }
  void Release(CefRefPtr<TestFrame> frame, CefRefPtr<CefV8Context> context) {
    ReleaseContext(frame, context);
  }
  void RemoveHandler() {
    EXPECT_TRUE(browser_router_->RemoveHandler(handler_));
  }
  TestQueryHandler* handler_ = nullptr;
};

const CancelCase kCancels[] = {
    {"cefQueryCancel",
     [](RouterTest* t,
        CefRefPtr<TestFrame>,
        CefRefPtr<CefV8Context> context,
        int id) {
       EXPECT_TRUE(static_cast<RouterCancelTest*>(t)->Cancel(context, id));
     },
     false, true, false},
    {"context released",
     [](RouterTest* t,
        CefRefPtr<TestFrame> frame,
        CefRefPtr<CefV8Context> context,
        int) { static_cast<RouterCancelTest*>(t)->Release(frame, context); },
     false, true, false},
    {"main frame navigates",
     [](RouterTest* t, CefRefPtr<TestFrame>, CefRefPtr<CefV8Context>, int) {
       auto* test = static_cast<RouterCancelTest*>(t);
       test->browser_router()->OnBeforeBrowse(test->browser(),
                                              test->main_frame());
     },
     false, true, false},
    {"main frame navigates, query of a sub-frame",
     [](RouterTest* t, CefRefPtr<TestFrame>, CefRefPtr<CefV8Context>, int) {
       auto* test = static_cast<RouterCancelTest*>(t);
       test->browser_router()->OnBeforeBrowse(test->browser(),
                                              test->main_frame());
     },
     true, true, false},
    {"sub-frame navigates",
     [](RouterTest* t,
        CefRefPtr<TestFrame> frame,
        CefRefPtr<CefV8Context>,
        int) {
       auto* test = static_cast<RouterCancelTest*>(t);
       test->browser_router()->OnBeforeBrowse(test->browser(), frame);
     },
     true, false, false},
    {"renderer terminated",
     [](RouterTest* t, CefRefPtr<TestFrame>, CefRefPtr<CefV8Context>, int) {
       auto* test = static_cast<RouterCancelTest*>(t);
       test->browser_router()->OnRenderProcessTerminated(test->browser());
     },
     false, true, false},
    {"browser closes",
     [](RouterTest* t, CefRefPtr<TestFrame>, CefRefPtr<CefV8Context>, int) {
       auto* test = static_cast<RouterCancelTest*>(t);
       test->browser_router()->OnBeforeClose(test->browser());
     },
     false, true, false},
    {"another browser closes",
     [](RouterTest* t, CefRefPtr<TestFrame>, CefRefPtr<CefV8Context>, int) {
       auto* test = static_cast<RouterCancelTest*>(t);
       test->browser_router()->OnBeforeClose(new TestBrowser(2));
     },
     false, false, false},
    {"handler removed",
     [](RouterTest* t, CefRefPtr<TestFrame>, CefRefPtr<CefV8Context>, int) {
       static_cast<RouterCancelTest*>(t)->RemoveHandler();
     },
     false, true, true},
    {"CancelPending",
     [](RouterTest* t, CefRefPtr<TestFrame>, CefRefPtr<CefV8Context>, int) {
       auto* test = static_cast<RouterCancelTest*>(t);
       test->browser_router()->CancelPending(test->browser(), nullptr);
     },
     false, true, true},
};

TEST_F(RouterCancelTest, EachTriggerEndsThePendingQueryAs109Does) {
  for (const CancelCase& c : kCancels) {
    SCOPED_TRACE(c.name);
    cefsim_clear_records();
    outcomes_.clear();
    handler_ = AddHandler(Mode::kKeep);
    CefRefPtr<TestFrame> frame =
        c.on_sub_frame ? browser_->AddFrame(500, /*is_main=*/false)
                       : main_frame_;
    CefRefPtr<CefV8Context> context = NewContext(frame);
    const int id = PageQuery(context, "pending", /*persistent=*/true);
    Pump();
    ASSERT_EQ(1, browser_router_->GetPendingCount(browser_, handler_));

    c.trigger(this, frame, context, id);
    Pump();
    EXPECT_EQ(c.handler_told ? 1u : 0u, handler_->canceled.size());
    EXPECT_EQ(c.handler_told ? 0 : 1,
              browser_router_->GetPendingCount(browser_, nullptr));
    if (c.page_fails) {
      ASSERT_EQ(1u, outcomes_.size());
      EXPECT_EQ(-1, outcomes_[0].error_code);
      EXPECT_EQ("The query has been canceled", outcomes_[0].text);
    } else {
      EXPECT_TRUE(outcomes_.empty());
    }

    // A canceled query takes no more answers; they are noted.
    handler_->callback->Success("too late");
    Pump();
    EXPECT_EQ(c.handler_told ? 1 : 0,
              cefsim_note_count("router.answer_after_cancel"));
    // Still pending, the query takes the answer.
    const size_t seen = c.handler_told ? (c.page_fails ? 1u : 0u) : 1u;
    EXPECT_EQ(seen, outcomes_.size());

    // Clean slate for the next case.
    browser_router_->RemoveHandler(handler_);
    Pump();
  }
}

TEST_F(RouterTest, ReleasingAContextCancelsOnlyItsQueries) {
  TestQueryHandler* handler = AddHandler(Mode::kKeep);
  CefRefPtr<TestFrame> sub = browser_->AddFrame(500, false);
  CefRefPtr<CefV8Context> main_context = NewContext(main_frame_);
  CefRefPtr<CefV8Context> sub_context = NewContext(sub);
  PageQuery(main_context, "main", true);
  PageQuery(sub_context, "sub 1", true);
  PageQuery(sub_context, "sub 2", true);
  Pump();
  ASSERT_EQ(3, browser_router_->GetPendingCount(browser_, handler));

  ReleaseContext(sub, sub_context);
  Pump();
  EXPECT_EQ(2u, handler->canceled.size());
  EXPECT_EQ(1, browser_router_->GetPendingCount(browser_, handler));
  // One cancel message for the whole context: request id 0.
  auto sent = SentTo(sub, PID_BROWSER);
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ("cefQueryCancelMsg", sent.back()->GetName().ToString());
  EXPECT_EQ(0, sent.back()->GetArgumentList()->GetInt(1));
}

TEST_F(RouterTest, AContextThatNeverQueriedSendsNothingOnRelease) {
  AddHandler(Mode::kKeep);
  CefRefPtr<CefV8Context> context = NewContext(main_frame_);
  ReleaseContext(main_frame_, context);
  Pump();
  EXPECT_TRUE(SentTo(main_frame_, PID_BROWSER).empty());
}

}  // namespace
}  // namespace orvtest

// The router's process messages (names, argument layouts, the shared-memory
// form above the size threshold), the refusal path, the order in which
// handlers are asked, and what the page functions accept.
#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "include/cef_shared_memory_region.h"
#include "router_harness.h"
#include "violations.h"

namespace orvtest {
namespace {

using Mode = TestQueryHandler::Mode;

TEST_F(RouterTest, QueryAndCancelMessagesHave109sLayout) {
  AddHandler(Mode::kKeep);
  CefRefPtr<CefV8Context> context = NewContext(main_frame_);
  const int request_id = PageQuery(context, "hello", /*persistent=*/true);
  EXPECT_EQ(1, request_id);

  auto sent = SentTo(main_frame_, PID_BROWSER);
  ASSERT_EQ(1u, sent.size());
  EXPECT_EQ("cefQueryMsg", sent[0]->GetName().ToString());
  CefRefPtr<CefListValue> args = sent[0]->GetArgumentList();
  ASSERT_EQ(4u, args->GetSize());
  EXPECT_EQ(1, args->GetInt(0));  // The context's id.
  EXPECT_EQ(request_id, args->GetInt(1));
  EXPECT_EQ("hello", args->GetString(2).ToString());
  EXPECT_TRUE(args->GetBool(3));

  EXPECT_TRUE(PageCancel(context, request_id));
  EXPECT_FALSE(PageCancel(context, request_id));
  EXPECT_FALSE(PageCancel(context, 0));
  sent = SentTo(main_frame_, PID_BROWSER);
  ASSERT_EQ(2u, sent.size());
  EXPECT_EQ("cefQueryCancelMsg", sent[1]->GetName().ToString());
  args = sent[1]->GetArgumentList();
  ASSERT_EQ(2u, args->GetSize());
  EXPECT_EQ(1, args->GetInt(0));
  EXPECT_EQ(request_id, args->GetInt(1));
}

TEST_F(RouterTest, AnswerMessagesHave109sLayout) {
  TestQueryHandler* handler = AddHandler(Mode::kKeep);
  CefRefPtr<CefV8Context> context = NewContext(main_frame_);
  PageQuery(context, "a", /*persistent=*/true);
  Pump();
  handler->callback->Success("fine");
  handler->callback->Failure(5, "bad");
  Pump();

  auto sent = SentTo(main_frame_, PID_RENDERER);
  ASSERT_EQ(2u, sent.size());
  for (const auto& message : sent)
    EXPECT_EQ("cefQueryMsg", message->GetName().ToString());
  CefRefPtr<CefListValue> success = sent[0]->GetArgumentList();
  ASSERT_EQ(4u, success->GetSize());
  EXPECT_EQ(1, success->GetInt(0));
  EXPECT_EQ(1, success->GetInt(1));
  EXPECT_TRUE(success->GetBool(2));
  EXPECT_EQ("fine", success->GetString(3).ToString());
  CefRefPtr<CefListValue> failure = sent[1]->GetArgumentList();
  ASSERT_EQ(5u, failure->GetSize());
  EXPECT_FALSE(failure->GetBool(2));
  EXPECT_EQ(5, failure->GetInt(3));
  EXPECT_EQ("bad", failure->GetString(4).ToString());

  ASSERT_EQ(2u, outcomes_.size());
  EXPECT_TRUE(outcomes_[0].success);
  EXPECT_EQ("fine", outcomes_[0].text);
  EXPECT_FALSE(outcomes_[1].success);
  EXPECT_EQ(5, outcomes_[1].error_code);
  EXPECT_EQ("bad", outcomes_[1].text);
}

struct RefusalCase {
  const char* name;
  int refusing_handlers;
};

const RefusalCase kRefusals[] = {{"no handler", 0}, {"two refuse", 2}};

TEST_F(RouterTest, QueryEveryHandlerRefusesFailsAsCanceled) {
  for (const RefusalCase& c : kRefusals) {
    SCOPED_TRACE(c.name);
    std::vector<TestQueryHandler*> handlers;
    for (int i = 0; i < c.refusing_handlers; ++i)
      handlers.push_back(AddHandler(Mode::kRefuse));
    outcomes_.clear();
    PageQuery(NewContext(main_frame_), "q", /*persistent=*/false);
    Pump();
    ASSERT_EQ(1u, outcomes_.size());
    EXPECT_FALSE(outcomes_[0].success);
    EXPECT_EQ(-1, outcomes_[0].error_code);
    EXPECT_EQ("The query has been canceled", outcomes_[0].text);
    for (TestQueryHandler* handler : handlers) {
      EXPECT_EQ(1u, handler->requests.size());
      EXPECT_TRUE(handler->canceled.empty());
      EXPECT_TRUE(browser_router_->RemoveHandler(handler));
    }
    EXPECT_EQ(0, browser_router_->GetPendingCount(nullptr, nullptr));
  }
}

TEST_F(RouterTest, HandlersAreAskedByAddressWhateverFirstSays) {
  // Added last with |first|, added first without: the order stays by
  // address, as in 109's ordered set.
  TestQueryHandler* one = AddHandler(Mode::kRefuse);
  TestQueryHandler* two = AddHandler(Mode::kRefuse, /*first=*/true);
  EXPECT_FALSE(browser_router_->AddHandler(one, false));
  PageQuery(NewContext(main_frame_), "q", false);
  Pump();
  std::vector<TestQueryHandler*> by_address = {one, two};
  std::sort(by_address.begin(), by_address.end());
  EXPECT_EQ(by_address, asked_);
}

TEST_F(RouterTest, TheFirstHandlerThatTakesTheQueryKeepsIt) {
  TestQueryHandler* one = AddHandler(Mode::kKeep);
  TestQueryHandler* two = AddHandler(Mode::kKeep);
  PageQuery(NewContext(main_frame_), "q", false);
  Pump();
  ASSERT_EQ(1u, asked_.size());
  TestQueryHandler* taker = std::min(one, two);
  EXPECT_EQ(taker, asked_[0]);
  EXPECT_EQ(1, browser_router_->GetPendingCount(browser_, taker));
  EXPECT_EQ(0, browser_router_->GetPendingCount(browser_, std::max(one, two)));
  taker->callback->Success("x");
  Pump();
  EXPECT_EQ(0, browser_router_->GetPendingCount(nullptr, nullptr));
}

struct BadCallCase {
  const char* name;
  const char* function;
  std::function<CefV8ValueList()> arguments;
  const char* exception;
};

CefV8ValueList Options(const char* member, CefRefPtr<CefV8Value> value) {
  CefRefPtr<CefV8Value> options = CefV8Value::CreateObject(nullptr, nullptr);
  options->SetValue("request", CefV8Value::CreateString("r"),
                    V8_PROPERTY_ATTRIBUTE_NONE);
  options->SetValue(member, value, V8_PROPERTY_ATTRIBUTE_NONE);
  return {options};
}

const BadCallCase kBadCalls[] = {
    {"no argument", "cefQuery", [] { return CefV8ValueList(); },
     "Uncaught Error: Invalid arguments; expecting a single object"},
    {"a string", "cefQuery",
     [] { return CefV8ValueList{CefV8Value::CreateString("r")}; },
     "Uncaught Error: Invalid arguments; expecting a single object"},
    {"request not a string", "cefQuery",
     [] { return Options("request", CefV8Value::CreateInt(1)); },
     "Uncaught Error: Invalid arguments; object member 'request' is required "
     "and must have type string"},
    {"onSuccess not a function", "cefQuery",
     [] { return Options("onSuccess", CefV8Value::CreateInt(1)); },
     "Uncaught Error: Invalid arguments; object member 'onSuccess' must have "
     "type function"},
    {"onFailure not a function", "cefQuery",
     [] { return Options("onFailure", CefV8Value::CreateNull()); },
     "Uncaught Error: Invalid arguments; object member 'onFailure' must have "
     "type function"},
    {"persistent not a boolean", "cefQuery",
     [] { return Options("persistent", CefV8Value::CreateInt(1)); },
     "Uncaught Error: Invalid arguments; object member 'persistent' must have "
     "type boolean"},
    {"cancel with a string", "cefQueryCancel",
     [] { return CefV8ValueList{CefV8Value::CreateString("1")}; },
     "Uncaught Error: Invalid arguments; expecting a single integer"},
};

TEST_F(RouterTest, PageFunctionsRejectBadArguments) {
  CefRefPtr<CefV8Context> context = NewContext(main_frame_);
  for (const BadCallCase& c : kBadCalls) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(context->Enter());
    const CefV8ValueList arguments = c.arguments();
    ASSERT_TRUE(context->Exit());
    EXPECT_EQ(c.exception, PageCall(context, c.function, arguments));
  }
  EXPECT_TRUE(SentTo(main_frame_, PID_BROWSER).empty());
}

TEST_F(RouterTest, PageFunctionsAreFixedAndHidden) {
  CefRefPtr<CefV8Context> context = NewContext(main_frame_);
  ASSERT_TRUE(context->Enter());
  CefRefPtr<CefV8Value> window = context->GetGlobal();
  EXPECT_TRUE(window->GetValue("cefQuery")->IsFunction());
  EXPECT_TRUE(window->GetValue("cefQueryCancel")->IsFunction());
  std::vector<CefString> keys;
  window->GetKeys(keys);
  EXPECT_TRUE(keys.empty());
  EXPECT_FALSE(window->DeleteValue("cefQuery"));
  EXPECT_FALSE(window->SetValue("cefQuery", CefV8Value::CreateInt(1),
                                V8_PROPERTY_ATTRIBUTE_NONE));
  ASSERT_TRUE(context->Exit());
}

TEST_F(RouterTest, OtherMessagesAreNotTheRoutersAndWrongThreadsAreMisuse) {
  CefRefPtr<CefProcessMessage> other = CefProcessMessage::Create("other");
  EXPECT_FALSE(browser_router_->OnProcessMessageReceived(browser_, main_frame_,
                                                         PID_RENDERER, other));
  EXPECT_FALSE(renderer_router_->OnProcessMessageReceived(browser_, main_frame_,
                                                          PID_BROWSER, other));
  // The cancel message only ever travels towards the browser.
  EXPECT_FALSE(renderer_router_->OnProcessMessageReceived(
      browser_, main_frame_, PID_BROWSER,
      CefProcessMessage::Create("cefQueryCancelMsg")));

  std::thread elsewhere([&] {
    browser_router_->OnProcessMessageReceived(browser_, main_frame_,
                                              PID_RENDERER, other);
    browser_router_->GetPendingCount(nullptr, nullptr);
  });
  elsewhere.join();
  EXPECT_EQ(2, TakeViolations("called off the UI thread"));
}

struct ThresholdCase {
  const char* name;
  size_t length;
  wchar_t fill;
  bool shared_memory;
};

// 109 compares UTF-16 code units with the threshold, not bytes.
const ThresholdCase kThresholds[] = {
    {"one under", 16383, L'A', false},
    {"exactly at", 16384, L'A', false},
    {"one over", 16385, L'A', true},
    {"two-byte text over in bytes, under in units", 16384, L'\u304B', false},
    {"two-byte text one over", 16385, L'\u304B', true},
};

TEST_F(RouterTest, SuccessOverTheThresholdTravelsAsSharedMemory) {
  TestQueryHandler* handler = AddHandler(Mode::kKeep);
  CefRefPtr<CefV8Context> context = NewContext(main_frame_);
  for (const ThresholdCase& c : kThresholds) {
    SCOPED_TRACE(c.name);
    outcomes_.clear();
    PageQuery(context, "big", false);
    Pump();
    const std::wstring response(c.length, c.fill);
    handler->callback->Success(response);
    Pump();

    CefRefPtr<CefProcessMessage> message =
        SentTo(main_frame_, PID_RENDERER).back();
    EXPECT_EQ("cefQueryMsg", message->GetName().ToString());
    EXPECT_EQ(c.shared_memory, message->GetArgumentList() == nullptr);
    CefRefPtr<CefSharedMemoryRegion> region = message->GetSharedMemoryRegion();
    EXPECT_EQ(c.shared_memory, region != nullptr);
    if (region) {
      // The header (two ints and a bool, padded) and the UTF-16 text.
      EXPECT_EQ(12 + 2 * c.length, region->Size());
    }
    ASSERT_EQ(1u, outcomes_.size());
    EXPECT_TRUE(outcomes_[0].success);
    EXPECT_EQ(CefString(response).ToString(), outcomes_[0].text);
  }
}

TEST_F(RouterTest, FailureIsAListMessageWhateverItsLength) {
  TestQueryHandler* handler = AddHandler(Mode::kKeep);
  PageQuery(NewContext(main_frame_), "big", false);
  Pump();
  handler->callback->Failure(2, std::string(20000, 'x'));
  Pump();
  CefRefPtr<CefProcessMessage> message =
      SentTo(main_frame_, PID_RENDERER).back();
  ASSERT_TRUE(message->GetArgumentList());
  EXPECT_EQ(20000u, message->GetArgumentList()->GetString(4).length());
  ASSERT_EQ(1u, outcomes_.size());
  EXPECT_EQ(2, outcomes_[0].error_code);
}

}  // namespace
}  // namespace orvtest

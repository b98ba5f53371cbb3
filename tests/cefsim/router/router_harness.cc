#include "router_harness.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>
#include <utility>

#include "renderer/script_context.h"
#include "threads/threads.h"

namespace orvtest {

// CEF's UI and renderer threads for the test: the test thread, with tasks
// queued until the test runs them.
class TestThreadTarget : public cefsim::browser::TaskTarget {
 public:
  TestThreadTarget() : thread_id_(GetCurrentThreadId()) {}

  bool PostTask(std::function<void()> task, int64_t delay_ms) override {
    std::lock_guard<std::mutex> guard(lock_);
    tasks_.push_back(std::move(task));
    return true;
  }
  bool BelongsToCurrentThread() const override {
    return GetCurrentThreadId() == thread_id_;
  }

  // Runs one queued task; false when there was none.
  bool RunOne() {
    std::function<void()> task;
    {
      std::lock_guard<std::mutex> guard(lock_);
      if (tasks_.empty())
        return false;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
    return true;
  }

 private:
  const DWORD thread_id_;
  std::mutex lock_;
  std::deque<std::function<void()>> tasks_;  // Guarded by |lock_|.
};

namespace {

// Records what the page's onSuccess / onFailure got.
class OutcomeRecorder : public CefV8Handler {
 public:
  explicit OutcomeRecorder(std::vector<PageOutcome>* outcomes)
      : outcomes_(outcomes) {}

  bool Execute(const CefString& name,
               CefRefPtr<CefV8Value> object,
               const CefV8ValueList& arguments,
               CefRefPtr<CefV8Value>& retval,
               CefString& exception) override {
    PageOutcome outcome;
    outcome.success = name == "onSuccess";
    if (outcome.success && arguments.size() == 1) {
      outcome.text = arguments[0]->GetStringValue().ToString();
    } else if (!outcome.success && arguments.size() == 2) {
      outcome.error_code = arguments[0]->GetIntValue();
      outcome.text = arguments[1]->GetStringValue().ToString();
    } else {
      ADD_FAILURE() << "page callback " << name.ToString() << " got "
                    << arguments.size() << " arguments";
    }
    outcomes_->push_back(outcome);
    return true;
  }

 private:
  std::vector<PageOutcome>* outcomes_;  // Owned by the test fixture.

  IMPLEMENT_REFCOUNTING(OutcomeRecorder);
};

}  // namespace

bool TestQueryHandler::OnQuery(CefRefPtr<CefBrowser> browser,
                               CefRefPtr<CefFrame> frame,
                               int64 query_id,
                               const CefString& request,
                               bool persistent,
                               CefRefPtr<Callback> callback) {
  requests.push_back(request.ToString());
  if (asked)
    asked->push_back(this);
  switch (mode_) {
    case Mode::kRefuse:
      return false;
    case Mode::kKeep:
      this->callback = callback;
      return true;
    case Mode::kSucceedAtOnce:
      this->callback = callback;
      callback->Success("at once: " + request.ToString());
      return true;
  }
  return false;
}

void TestQueryHandler::OnQueryCanceled(CefRefPtr<CefBrowser> browser,
                                       CefRefPtr<CefFrame> frame,
                                       int64 query_id) {
  canceled.push_back(query_id);
}

RouterTest::RouterTest()
    : thread_target_(std::make_shared<TestThreadTarget>()),
      browser_(new TestBrowser(1)),
      main_frame_(browser_->main_frame()) {
  cefsim::browser::SetTaskTarget(TID_UI, thread_target_);
  cefsim::browser::SetTaskTarget(TID_RENDERER, thread_target_);
  CefMessageRouterConfig config;
  browser_router_ = CefMessageRouterBrowserSide::Create(config);
  renderer_router_ = CefMessageRouterRendererSide::Create(config);
}

RouterTest::~RouterTest() {
  for (size_t i = 0; i < contexts_.size(); ++i) {
    if (contexts_[i]->IsValid())
      cefsim::renderer::ReleaseScriptContext(contexts_[i]);
  }
  // The browser half must end with nothing pending.
  browser_router_->OnBeforeClose(browser_);
  Pump();
  browser_router_ = nullptr;
  renderer_router_ = nullptr;
  Pump();
  cefsim::browser::SetTaskTarget(TID_UI, nullptr);
  cefsim::browser::SetTaskTarget(TID_RENDERER, nullptr);
}

TestQueryHandler* RouterTest::AddHandler(TestQueryHandler::Mode mode,
                                         bool first) {
  handlers_.push_back(std::make_unique<TestQueryHandler>(mode));
  TestQueryHandler* handler = handlers_.back().get();
  handler->asked = &asked_;
  EXPECT_TRUE(browser_router_->AddHandler(handler, first));
  return handler;
}

CefRefPtr<CefV8Context> RouterTest::NewContext(CefRefPtr<TestFrame> frame) {
  bool known = false;
  for (const auto& f : frames_)
    known = known || f.get() == frame.get();
  if (!known) {
    frames_.push_back(frame);
    delivered_.push_back(frame->sent_count());
  }
  CefRefPtr<CefV8Context> context =
      cefsim::renderer::CreateScriptContext(browser_, frame);
  contexts_.push_back(context);
  // CEF announces a context with it entered.
  EXPECT_TRUE(context->Enter());
  renderer_router_->OnContextCreated(browser_, frame, context);
  EXPECT_TRUE(context->Exit());
  return context;
}

void RouterTest::ReleaseContext(CefRefPtr<TestFrame> frame,
                                CefRefPtr<CefV8Context> context) {
  renderer_router_->OnContextReleased(browser_, frame, context);
  cefsim::renderer::ReleaseScriptContext(context);
}

std::string RouterTest::PageCall(CefRefPtr<CefV8Context> context,
                                 const std::string& name,
                                 const CefV8ValueList& arguments,
                                 CefRefPtr<CefV8Value>* result) {
  EXPECT_TRUE(context->Enter());
  CefRefPtr<CefV8Value> window = context->GetGlobal();
  CefRefPtr<CefV8Value> function = window->GetValue(name);
  std::string exception;
  if (!function || !function->IsFunction()) {
    exception = "no function " + name;
  } else {
    CefRefPtr<CefV8Value> value = function->ExecuteFunction(window, arguments);
    if (function->HasException())
      exception = function->GetException()->GetMessage().ToString();
    if (result)
      *result = value;
  }
  EXPECT_TRUE(context->Exit());
  return exception;
}

int RouterTest::PageQuery(CefRefPtr<CefV8Context> context,
                          const std::string& request,
                          bool persistent,
                          std::string* exception) {
  EXPECT_TRUE(context->Enter());
  CefRefPtr<CefV8Value> options = CefV8Value::CreateObject(nullptr, nullptr);
  CefRefPtr<CefV8Handler> recorder = new OutcomeRecorder(&outcomes_);
  options->SetValue("request", CefV8Value::CreateString(request),
                    V8_PROPERTY_ATTRIBUTE_NONE);
  options->SetValue("persistent", CefV8Value::CreateBool(persistent),
                    V8_PROPERTY_ATTRIBUTE_NONE);
  options->SetValue("onSuccess",
                    CefV8Value::CreateFunction("onSuccess", recorder),
                    V8_PROPERTY_ATTRIBUTE_NONE);
  options->SetValue("onFailure",
                    CefV8Value::CreateFunction("onFailure", recorder),
                    V8_PROPERTY_ATTRIBUTE_NONE);
  EXPECT_TRUE(context->Exit());
  CefRefPtr<CefV8Value> result;
  const std::string thrown = PageCall(context, "cefQuery", {options}, &result);
  if (exception)
    *exception = thrown;
  return result && result->IsInt() ? result->GetIntValue() : -1;
}

bool RouterTest::PageCancel(CefRefPtr<CefV8Context> context, int request_id) {
  CefRefPtr<CefV8Value> result;
  EXPECT_EQ("", PageCall(context, "cefQueryCancel",
                         {CefV8Value::CreateInt(request_id)}, &result));
  return result && result->GetBoolValue();
}

void RouterTest::Deliver(CefRefPtr<TestFrame> frame) {
  for (size_t i = 0; i < frames_.size(); ++i) {
    if (frames_[i].get() != frame.get())
      continue;
    std::vector<SentMessage> sent = frame->sent();
    while (delivered_[i] < sent.size()) {
      const SentMessage& message = sent[delivered_[i]++];
      if (message.target == PID_BROWSER) {
        if (browser_router_) {
          browser_router_->OnProcessMessageReceived(
              browser_, frame, PID_RENDERER, message.message);
        }
      } else if (renderer_router_) {
        renderer_router_->OnProcessMessageReceived(browser_, frame, PID_BROWSER,
                                                   message.message);
      }
      sent = frame->sent();
    }
  }
}

void RouterTest::Pump() {
  // Bounded: a router that keeps posting forever fails the test.
  for (int round = 0; round < 1000; ++round) {
    bool busy = thread_target_->RunOne();
    for (size_t i = 0; i < frames_.size(); ++i) {
      const size_t before = delivered_[i];
      Deliver(frames_[i]);
      busy = busy || delivered_[i] != before;
    }
    if (!busy)
      return;
  }
  ADD_FAILURE() << "router traffic never settled";
}

std::vector<CefRefPtr<CefProcessMessage>> RouterTest::SentTo(
    CefRefPtr<TestFrame> frame,
    CefProcessId target) {
  std::vector<CefRefPtr<CefProcessMessage>> messages;
  for (const SentMessage& sent : frame->sent()) {
    if (sent.target == target)
      messages.push_back(sent.message);
  }
  return messages;
}

}  // namespace orvtest

// Functions backed by a CefV8Handler: what the handler is given, what the
// caller gets back, exceptions, the contexts a call runs in, and misuse.
#include <functional>
#include <string>
#include <vector>

#include "renderer/script_context.h"
#include "v8_test_fixture.h"
#include "violations.h"

namespace orvtest {
namespace {

using cefsim::renderer::CreateScriptContext;
using cefsim::renderer::ReleaseScriptContext;

// A handler whose behaviour is a lambda; records the calls it got.
class LambdaHandler : public CefV8Handler {
 public:
  using Body = std::function<bool(CefRefPtr<CefV8Value> object,
                                  const CefV8ValueList& arguments,
                                  CefRefPtr<CefV8Value>& retval,
                                  CefString& exception)>;

  LambdaHandler(Body body, bool* destroyed = nullptr)
      : body_(std::move(body)), destroyed_(destroyed) {}
  ~LambdaHandler() override {
    if (destroyed_)
      *destroyed_ = true;
  }

  bool Execute(const CefString& name,
               CefRefPtr<CefV8Value> object,
               const CefV8ValueList& arguments,
               CefRefPtr<CefV8Value>& retval,
               CefString& exception) override {
    names.push_back(name.ToString());
    return body_(object, arguments, retval, exception);
  }

  std::vector<std::string> names;

 private:
  Body body_;
  bool* destroyed_;  // Not owned; may be null.

  IMPLEMENT_REFCOUNTING(LambdaHandler);
};

TEST_F(V8Test, HandlerGetsNameReceiverAndArgumentsAndReturns) {
  ScopedEnter enter(context_);
  CefRefPtr<CefV8Value> receiver;
  CefV8ValueList received;
  CefRefPtr<LambdaHandler> handler = new LambdaHandler(
      [&](CefRefPtr<CefV8Value> object, const CefV8ValueList& arguments,
          CefRefPtr<CefV8Value>& retval, CefString&) {
        receiver = object;
        received = arguments;
        retval = CefV8Value::CreateInt(arguments[0]->GetIntValue() + 1);
        return true;
      });
  CefRefPtr<CefV8Value> func = CefV8Value::CreateFunction("myfunc", handler);
  ASSERT_TRUE(func && func->IsFunction() && func->IsObject());
  EXPECT_EQ("myfunc", func->GetFunctionName().ToString());
  EXPECT_EQ(handler.get(), func->GetFunctionHandler().get());

  CefRefPtr<CefV8Value> object = CefV8Value::CreateObject(nullptr, nullptr);
  CefRefPtr<CefV8Value> result = func->ExecuteFunction(
      object, {CefV8Value::CreateInt(41), CefV8Value::CreateString("s")});
  ASSERT_TRUE(result);
  EXPECT_FALSE(func->HasException());
  EXPECT_EQ(42, result->GetIntValue());
  EXPECT_EQ(std::vector<std::string>{"myfunc"}, handler->names);
  ASSERT_EQ(2u, received.size());
  EXPECT_EQ("s", received[1]->GetStringValue().ToString());
  EXPECT_TRUE(receiver->IsSame(object));

  // Without a receiver the function runs on the window object.
  func->ExecuteFunction(nullptr, {CefV8Value::CreateInt(0)});
  EXPECT_TRUE(receiver->IsSame(context_->GetGlobal()));
}

struct OutcomeCase {
  const char* name;
  LambdaHandler::Body body;
  bool has_result;
  bool result_undefined;
  const char* exception;  // Null when none is expected.
};

const OutcomeCase kOutcomes[] = {
    {"exception",
     [](CefRefPtr<CefV8Value>,
        const CefV8ValueList&,
        CefRefPtr<CefV8Value>& retval,
        CefString& exception) {
       retval = CefV8Value::CreateInt(1);  // Ignored once thrown.
       exception = "My error";
       return true;
     },
     false, false, "Uncaught Error: My error"},
    {"not handled",
     [](CefRefPtr<CefV8Value>,
        const CefV8ValueList&,
        CefRefPtr<CefV8Value>& retval,
        CefString& exception) {
       retval = CefV8Value::CreateInt(1);
       exception = "ignored";
       return false;
     },
     true, true, nullptr},
    {"handled without a value",
     [](CefRefPtr<CefV8Value>,
        const CefV8ValueList&,
        CefRefPtr<CefV8Value>&,
        CefString&) { return true; },
     true, true, nullptr},
};

TEST_F(V8Test, HandlerOutcomes) {
  ScopedEnter enter(context_);
  for (const OutcomeCase& c : kOutcomes) {
    SCOPED_TRACE(c.name);
    CefRefPtr<CefV8Value> func =
        CefV8Value::CreateFunction("f", new LambdaHandler(c.body));
    CefRefPtr<CefV8Value> result = func->ExecuteFunction(nullptr, {});
    EXPECT_EQ(c.has_result, result != nullptr);
    if (result) {
      EXPECT_EQ(c.result_undefined, result->IsUndefined());
    }
    EXPECT_EQ(c.exception != nullptr, func->HasException());
    if (c.exception) {
      ASSERT_TRUE(func->GetException());
      EXPECT_EQ(c.exception, func->GetException()->GetMessage().ToString());
      EXPECT_TRUE(func->ClearException());
      EXPECT_FALSE(func->HasException());
    }
  }
}

TEST_F(V8Test, ASuccessfulCallClearsTheLastException) {
  ScopedEnter enter(context_);
  bool fail = true;
  CefRefPtr<CefV8Value> func = CefV8Value::CreateFunction(
      "f", new LambdaHandler([&](CefRefPtr<CefV8Value>, const CefV8ValueList&,
                                 CefRefPtr<CefV8Value>&, CefString& exception) {
        if (fail)
          exception = "once";
        return true;
      }));
  func->ExecuteFunction(nullptr, {});
  EXPECT_TRUE(func->HasException());
  fail = false;
  EXPECT_TRUE(func->ExecuteFunction(nullptr, {}));
  EXPECT_FALSE(func->HasException());
}

TEST_F(V8Test, RethrownExceptionReachesTheOuterCaller) {
  ScopedEnter enter(context_);
  CefRefPtr<CefV8Value> inner = CefV8Value::CreateFunction(
      "inner",
      new LambdaHandler([](CefRefPtr<CefV8Value>, const CefV8ValueList&,
                           CefRefPtr<CefV8Value>&, CefString& exception) {
        exception = "deep";
        return true;
      }));
  ASSERT_TRUE(inner->SetRethrowExceptions(true));
  EXPECT_TRUE(inner->WillRethrowExceptions());
  CefRefPtr<CefV8Value> outer = CefV8Value::CreateFunction(
      "outer",
      new LambdaHandler([&](CefRefPtr<CefV8Value>, const CefV8ValueList&,
                            CefRefPtr<CefV8Value>& retval, CefString&) {
        EXPECT_FALSE(inner->ExecuteFunction(nullptr, {}));
        retval = CefV8Value::CreateInt(1);
        return true;
      }));
  EXPECT_FALSE(outer->ExecuteFunction(nullptr, {}));
  ASSERT_TRUE(outer->HasException());
  EXPECT_EQ("Uncaught Error: deep",
            outer->GetException()->GetMessage().ToString());
}

TEST_F(V8Test, CallWithContextEntersItAndRunsInTheFunctionsOwnContext) {
  CefRefPtr<CefV8Context> other =
      CreateScriptContext(browser_, browser_->AddFrame(7, false));
  CefRefPtr<CefV8Context> current;
  CefRefPtr<CefV8Context> entered;
  CefRefPtr<CefV8Value> func;
  {
    ScopedEnter enter(context_);
    func = CefV8Value::CreateFunction(
        "f", new LambdaHandler([&](CefRefPtr<CefV8Value>, const CefV8ValueList&,
                                   CefRefPtr<CefV8Value>&, CefString&) {
          current = CefV8Context::GetCurrentContext();
          entered = CefV8Context::GetEnteredContext();
          return true;
        }));
  }
  ASSERT_FALSE(CefV8Context::InContext());
  EXPECT_TRUE(func->ExecuteFunctionWithContext(context_, nullptr, {}));
  EXPECT_TRUE(current->IsSame(context_));
  EXPECT_TRUE(entered->IsSame(context_));

  EXPECT_TRUE(func->ExecuteFunctionWithContext(other, nullptr, {}));
  EXPECT_TRUE(current->IsSame(context_));
  EXPECT_TRUE(entered->IsSame(other));
  EXPECT_FALSE(CefV8Context::InContext());
  ReleaseScriptContext(other);
}

TEST_F(V8Test, ReleasingTheContextDropsTheHandlerAndEndsTheFunction) {
  CefRefPtr<CefV8Context> context =
      CreateScriptContext(browser_, browser_->AddFrame(7, false));
  bool destroyed = false;
  CefRefPtr<CefV8Value> func;
  {
    ScopedEnter enter(context);
    func = CefV8Value::CreateFunction(
        "f", new LambdaHandler(
                 [](CefRefPtr<CefV8Value>, const CefV8ValueList&,
                    CefRefPtr<CefV8Value>&, CefString&) { return true; },
                 &destroyed));
  }
  ASSERT_FALSE(destroyed);
  ReleaseScriptContext(context);
  EXPECT_TRUE(destroyed);
  EXPECT_FALSE(func->IsValid());
  EXPECT_FALSE(func->ExecuteFunctionWithContext(context_, nullptr, {}));
  EXPECT_EQ(1, TakeViolations("V8 handle is not valid"));
}

TEST_F(V8Test, CallMisuseIsReported) {
  CefRefPtr<CefV8Context> ended =
      CreateScriptContext(browser_, browser_->AddFrame(7, false));
  CefRefPtr<CefV8Value> stale;
  {
    ScopedEnter enter(ended);
    stale = CefV8Value::CreateObject(nullptr, nullptr);
  }
  ReleaseScriptContext(ended);

  CefRefPtr<CefV8Value> func;
  CefRefPtr<CefV8Value> object;
  {
    ScopedEnter enter(context_);
    func = CefV8Value::CreateFunction(
        "f", new LambdaHandler([](CefRefPtr<CefV8Value>, const CefV8ValueList&,
                                  CefRefPtr<CefV8Value>&,
                                  CefString&) { return true; }));
    object = CefV8Value::CreateObject(nullptr, nullptr);
    EXPECT_FALSE(CefV8Value::CreateFunction("g", nullptr));
    EXPECT_EQ(1, TakeViolations("CreateFunction: invalid parameter"));
    EXPECT_FALSE(object->ExecuteFunction(nullptr, {}));
    EXPECT_EQ(1, TakeViolations("V8 value is not a function"));
    EXPECT_FALSE(func->ExecuteFunction(CefV8Value::CreateInt(1), {}));
    EXPECT_EQ(1, TakeViolations("invalid V8 object parameter"));
    EXPECT_FALSE(func->ExecuteFunction(nullptr, {stale}));
    EXPECT_EQ(1, TakeViolations("invalid V8 arguments parameter"));
    EXPECT_FALSE(func->ExecuteFunction(nullptr, {nullptr}));
    EXPECT_EQ(1, TakeViolations("invalid V8 arguments parameter"));
  }
  EXPECT_FALSE(func->ExecuteFunctionWithContext(ended, nullptr, {}));
  EXPECT_EQ(1, TakeViolations("invalid V8 context parameter"));
  // Neither a context given nor one current.
  EXPECT_FALSE(func->ExecuteFunction(nullptr, {}));
  EXPECT_EQ(1, TakeViolations("not currently in a V8 context"));
}

}  // namespace
}  // namespace orvtest

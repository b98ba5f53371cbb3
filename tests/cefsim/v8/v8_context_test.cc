// CefV8Context: the current and entered contexts of the render thread,
// identity, what a context knows, and what its release ends.
#include <thread>
#include <vector>

#include "cefsim/control.h"
#include "renderer/script_context.h"
#include "v8_test_fixture.h"
#include "violations.h"

namespace orvtest {
namespace {

using cefsim::renderer::CreateScriptContext;
using cefsim::renderer::ReleaseScriptContext;

TEST_F(V8Test, ContextKnowsItsBrowserFrameAndWindow) {
  EXPECT_TRUE(context_->IsValid());
  EXPECT_EQ(browser_.get(), context_->GetBrowser().get());
  EXPECT_EQ(browser_->main_frame().get(), context_->GetFrame().get());
  CefRefPtr<CefV8Value> global = context_->GetGlobal();
  ASSERT_TRUE(global);
  EXPECT_TRUE(global->IsObject());
  std::vector<CefString> keys;
  ScopedEnter enter(context_);
  EXPECT_TRUE(global->GetKeys(keys));
  EXPECT_TRUE(keys.empty());
}

TEST_F(V8Test, EnterAndExitNest) {
  CefRefPtr<CefV8Context> other =
      CreateScriptContext(browser_, browser_->AddFrame(7, false));
  EXPECT_FALSE(CefV8Context::InContext());
  EXPECT_FALSE(CefV8Context::GetCurrentContext());
  EXPECT_FALSE(CefV8Context::GetEnteredContext());

  ASSERT_TRUE(context_->Enter());
  EXPECT_TRUE(CefV8Context::InContext());
  CefRefPtr<CefV8Context> current = CefV8Context::GetCurrentContext();
  ASSERT_TRUE(current);
  // A new object each time, the same context.
  EXPECT_NE(context_.get(), current.get());
  EXPECT_TRUE(current->IsSame(context_));

  ASSERT_TRUE(other->Enter());
  EXPECT_TRUE(CefV8Context::GetCurrentContext()->IsSame(other));
  EXPECT_TRUE(CefV8Context::GetEnteredContext()->IsSame(other));
  EXPECT_FALSE(CefV8Context::GetCurrentContext()->IsSame(context_));
  EXPECT_TRUE(other->Exit());

  EXPECT_TRUE(CefV8Context::GetCurrentContext()->IsSame(context_));
  EXPECT_TRUE(context_->Exit());
  EXPECT_FALSE(CefV8Context::InContext());
  ReleaseScriptContext(other);
}

TEST_F(V8Test, ExitWithoutEnterIsOnlyLogged) {
  EXPECT_FALSE(context_->Exit());
  EXPECT_EQ(1, cefsim_note_count("v8.exit_without_enter"));
}

TEST_F(V8Test, OnlyTheInnermostEnteredContextMayExit) {
  CefRefPtr<CefV8Context> other =
      CreateScriptContext(browser_, browser_->AddFrame(7, false));
  ASSERT_TRUE(context_->Enter());
  ASSERT_TRUE(other->Enter());
  EXPECT_FALSE(context_->Exit());
  EXPECT_EQ(1, TakeViolations("Cannot exit non-entered context"));
  EXPECT_TRUE(other->Exit());
  EXPECT_TRUE(context_->Exit());
  ReleaseScriptContext(other);
}

TEST_F(V8Test, ReleaseEndsTheContextAndItsObjects) {
  CefRefPtr<CefV8Context> context =
      CreateScriptContext(browser_, browser_->AddFrame(7, false));
  CefRefPtr<CefV8Context> same;
  CefRefPtr<CefV8Value> global = context->GetGlobal();
  CefRefPtr<CefV8Value> object;
  CefRefPtr<CefV8Value> number = CefV8Value::CreateInt(3);
  {
    ScopedEnter enter(context);
    same = CefV8Context::GetCurrentContext();
    object = CefV8Value::CreateObject(nullptr, nullptr);
    global->SetValue("o", object, V8_PROPERTY_ATTRIBUTE_NONE);
  }
  ASSERT_TRUE(object->IsValid());

  ReleaseScriptContext(context);
  EXPECT_FALSE(context->IsValid());
  EXPECT_FALSE(same->IsValid());
  EXPECT_FALSE(global->IsValid());
  EXPECT_FALSE(object->IsValid());
  EXPECT_TRUE(number->IsValid());
  // An ended context may still be compared against, but never matches.
  EXPECT_FALSE(context_->IsSame(context));

  EXPECT_FALSE(context->GetBrowser());
  EXPECT_FALSE(context->GetFrame());
  EXPECT_FALSE(context->GetGlobal());
  EXPECT_FALSE(context->Enter());
  EXPECT_EQ(4, TakeViolations("V8 handle is not valid"));
}

TEST_F(V8Test, ContextIsInvalidOffTheRenderThread) {
  bool valid = true;
  std::thread other([&] { valid = context_->IsValid(); });
  other.join();
  EXPECT_FALSE(valid);
}

}  // namespace
}  // namespace orvtest

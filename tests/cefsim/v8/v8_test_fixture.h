// A script context on a render thread of the test's own: the test thread.
#ifndef TESTS_CEFSIM_V8_V8_TEST_FIXTURE_H_
#define TESTS_CEFSIM_V8_V8_TEST_FIXTURE_H_

#include "browser_doubles.h"
#include "gtest/gtest.h"
#include "include/cef_v8.h"
#include "renderer/render_thread.h"
#include "renderer/script_context.h"

namespace orvtest {

class V8Test : public testing::Test {
 protected:
  V8Test()
      : browser_(new TestBrowser(1)),
        context_(
            cefsim::renderer::CreateScriptContext(browser_,
                                                  browser_->main_frame())) {}
  ~V8Test() override { cefsim::renderer::ReleaseScriptContext(context_); }

  // Makes this thread the render thread for the test's lifetime; declared
  // first so it exists before the context and after it.
  cefsim::renderer::RenderThread render_thread_;
  CefRefPtr<TestBrowser> browser_;
  CefRefPtr<CefV8Context> context_;
};

// Enters |context| for the scope's lifetime.
class ScopedEnter {
 public:
  explicit ScopedEnter(CefRefPtr<CefV8Context> context) : context_(context) {
    EXPECT_TRUE(context_->Enter());
  }
  ~ScopedEnter() { EXPECT_TRUE(context_->Exit()); }

 private:
  CefRefPtr<CefV8Context> context_;
};

}  // namespace orvtest

#endif  // TESTS_CEFSIM_V8_V8_TEST_FIXTURE_H_

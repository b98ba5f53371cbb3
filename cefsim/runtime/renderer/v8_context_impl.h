// CefV8Context of the simulation: one handle on a ContextState, with its own
// count of Enter calls as in CEF.
#ifndef CEFSIM_RUNTIME_RENDERER_V8_CONTEXT_IMPL_H_
#define CEFSIM_RUNTIME_RENDERER_V8_CONTEXT_IMPL_H_

#include "include/cef_v8.h"
#include "renderer/v8_context_state.h"

namespace cefsim {
namespace renderer {

class V8ContextImpl : public CefV8Context {
 public:
  explicit V8ContextImpl(CefRefPtr<ContextState> state);
  V8ContextImpl(const V8ContextImpl&) = delete;
  V8ContextImpl& operator=(const V8ContextImpl&) = delete;

  // The state behind |context|, or null when it is none of ours.
  static CefRefPtr<ContextState> StateOf(CefV8Context* context);

  // CefV8Context:
  CefRefPtr<CefTaskRunner> GetTaskRunner() override;
  bool IsValid() override;
  CefRefPtr<CefBrowser> GetBrowser() override;
  CefRefPtr<CefFrame> GetFrame() override;
  CefRefPtr<CefV8Value> GetGlobal() override;
  bool Enter() override;
  bool Exit() override;
  bool IsSame(CefRefPtr<CefV8Context> that) override;
  bool Eval(const CefString& code,
            const CefString& script_url,
            int start_line,
            CefRefPtr<CefV8Value>& retval,
            CefRefPtr<CefV8Exception>& exception) override;

 private:
  ~V8ContextImpl() override;

  // CEF's checks before using the context: the isolate, the thread and a
  // context that still exists; each failure is a violation.
  bool RequireValid(const char* method);

  const CefRefPtr<ContextState> state_;
  int enter_count_ = 0;  // Render thread only.

  IMPLEMENT_REFCOUNTING(V8ContextImpl);
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_V8_CONTEXT_IMPL_H_

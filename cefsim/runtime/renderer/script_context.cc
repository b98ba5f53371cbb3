#include "renderer/script_context.h"

#include "diagnostics/records.h"
#include "renderer/v8_context_impl.h"
#include "renderer/v8_isolate.h"

namespace cefsim {
namespace renderer {

CefRefPtr<CefV8Context> CreateScriptContext(CefRefPtr<CefBrowser> browser,
                                            CefRefPtr<CefFrame> frame) {
  if (!isolate::IsCurrent())
    ReportViolation("CreateScriptContext called off the render thread");
  return new V8ContextImpl(new ContextState(browser, frame));
}

void ReleaseScriptContext(CefRefPtr<CefV8Context> context) {
  if (!isolate::IsCurrent())
    ReportViolation("ReleaseScriptContext called off the render thread");
  CefRefPtr<ContextState> state = V8ContextImpl::StateOf(context.get());
  if (!state) {
    ReportViolation("ReleaseScriptContext: not a script context");
    return;
  }
  state->End();
}

}  // namespace renderer
}  // namespace cefsim

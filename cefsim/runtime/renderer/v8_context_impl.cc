#include "renderer/v8_context_impl.h"

#include <string>

#include "diagnostics/records.h"
#include "renderer/v8_isolate.h"
#include "renderer/v8_live_set.h"
#include "renderer/v8_value_impl.h"

namespace cefsim {
namespace renderer {
namespace {

LiveSet<CefV8Context>& Live() {
  return LiveSet<CefV8Context>::Get();
}

void Report(const char* method, const char* problem) {
  ReportViolation(std::string("CefV8Context::") + method + ": " + problem);
}

}  // namespace

V8ContextImpl::V8ContextImpl(CefRefPtr<ContextState> state) : state_(state) {
  Live().Add(this);
}

V8ContextImpl::~V8ContextImpl() {
  if (enter_count_ != 0)
    Report("~CefV8Context", "released while entered (no matching Exit)");
  Live().Remove(this);
}

// static
CefRefPtr<ContextState> V8ContextImpl::StateOf(CefV8Context* context) {
  V8ContextImpl* impl = context ? Live().Find<V8ContextImpl>(context) : nullptr;
  return impl ? impl->state_ : nullptr;
}

bool V8ContextImpl::RequireValid(const char* method) {
  if (!isolate::Require((std::string("CefV8Context::") + method).c_str()))
    return false;
  if (!state_->BelongsToCurrentThread()) {
    Report(method, "called on incorrect thread");
    return false;
  }
  if (!state_->valid()) {
    Report(method, "V8 handle is not valid");
    return false;
  }
  return true;
}

// The router and the kit never ask for a context's task runner.
CefRefPtr<CefTaskRunner> V8ContextImpl::GetTaskRunner() {
  Report("GetTaskRunner", "not simulated");
  return nullptr;
}

bool V8ContextImpl::IsValid() {
  return isolate::IsCurrent() && state_->BelongsToCurrentThread() &&
         state_->valid();
}

CefRefPtr<CefBrowser> V8ContextImpl::GetBrowser() {
  if (!RequireValid("GetBrowser"))
    return nullptr;
  return state_->browser();
}

CefRefPtr<CefFrame> V8ContextImpl::GetFrame() {
  if (!RequireValid("GetFrame"))
    return nullptr;
  return state_->frame();
}

CefRefPtr<CefV8Value> V8ContextImpl::GetGlobal() {
  if (!RequireValid("GetGlobal"))
    return nullptr;
  return new V8ValueImpl(Datum::Object(state_->global()), state_);
}

bool V8ContextImpl::Enter() {
  if (!RequireValid("Enter"))
    return false;
  ++enter_count_;
  isolate::PushScope(state_.get(), /*entered=*/true);
  return true;
}

bool V8ContextImpl::Exit() {
  if (!RequireValid("Exit"))
    return false;
  if (enter_count_ <= 0) {
    // CEF only logs this.
    RecordNote("v8.exit_without_enter",
               "CefV8Context::Exit() without matching Enter()");
    return false;
  }
  if (!isolate::IsInnermostEntered(state_.get())) {
    // V8's own API check: only the innermost entered context may exit.
    Report("Exit", "Cannot exit non-entered context");
    return false;
  }
  --enter_count_;
  isolate::PopScope();
  return true;
}

bool V8ContextImpl::IsSame(CefRefPtr<CefV8Context> that) {
  if (!RequireValid("IsSame"))
    return false;
  CefRefPtr<ContextState> other = StateOf(that.get());
  if (!other || !that->IsValid())
    return false;
  return other == state_;
}

// There is no script engine: page behaviour is acted out through the
// control interface instead.
bool V8ContextImpl::Eval(const CefString& code,
                         const CefString& script_url,
                         int start_line,
                         CefRefPtr<CefV8Value>& retval,
                         CefRefPtr<CefV8Exception>& exception) {
  retval = nullptr;
  exception = nullptr;
  if (!RequireValid("Eval"))
    return false;
  if (code.empty()) {
    Report("Eval", "invalid input parameter");
    return false;
  }
  Report("Eval", "not simulated (no script engine)");
  return false;
}

}  // namespace renderer
}  // namespace cefsim

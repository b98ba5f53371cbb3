#include "renderer/page_query.h"

#include "include/cef_v8.h"
#include "ipc/frame_codec.h"
#include "ipc/wire_protocol.h"
#include "renderer/render_process.h"
#include "renderer/render_thread.h"
#include "wrapper/adopt.h"
#include "wrapper/v8_exports.h"

namespace cefsim {
namespace renderer {
namespace {

// The page's onSuccess(response) and onFailure(error_code, error_message).
class PageCallback : public CefV8Handler {
 public:
  PageCallback(int browser_id, int page_query_id, bool success)
      : browser_id_(browser_id),
        page_query_id_(page_query_id),
        success_(success) {}
  PageCallback(const PageCallback&) = delete;
  PageCallback& operator=(const PageCallback&) = delete;

  // Render thread, called by script.
  bool Execute(const CefString& name,
               CefRefPtr<CefV8Value> object,
               const CefV8ValueList& arguments,
               CefRefPtr<CefV8Value>& retval,
               CefString& exception) override {
    process::PageQueryOutcome outcome;
    outcome.page_query_id = page_query_id_;
    outcome.success = success_;
    if (success_) {
      if (!arguments.empty() && arguments[0]->IsString())
        outcome.response = arguments[0]->GetStringValue().ToString();
    } else {
      if (!arguments.empty() && arguments[0]->IsInt())
        outcome.error_code = arguments[0]->GetIntValue();
      if (arguments.size() > 1 && arguments[1]->IsString())
        outcome.error_message = arguments[1]->GetStringValue().ToString();
    }
    SendPageQueryOutcome(browser_id_, outcome);
    return true;
  }

 private:
  const int browser_id_;
  const int page_query_id_;
  const bool success_;

  IMPLEMENT_REFCOUNTING(PageCallback);
};

void SendFailure(int browser_id, int page_query_id, const std::string& text) {
  process::PageQueryOutcome outcome;
  outcome.page_query_id = page_query_id;
  outcome.error_message = text;
  SendPageQueryOutcome(browser_id, outcome);
}

CefRefPtr<CefV8Value> NewString(const std::string& text) {
  CefString value(text);
  return Adopt(cefsim_v8value_create_string(value.GetStruct()));
}

CefRefPtr<CefV8Value> NewFunction(const char* name,
                                  CefRefPtr<CefV8Handler> handler) {
  CefString value(name);
  return Adopt(
      cefsim_v8value_create_function(value.GetStruct(), handler.get()));
}

// The page's function |name| on the window of |context|, or null.
CefRefPtr<CefV8Value> WindowFunction(CefRefPtr<CefV8Context> context,
                                     const char* name) {
  CefRefPtr<CefV8Value> global = context->GetGlobal();
  CefRefPtr<CefV8Value> function = global ? global->GetValue(name) : nullptr;
  return function && function->IsFunction() ? function : nullptr;
}

}  // namespace

void RunPageQuery(int browser_id,
                  FrameImpl* frame,
                  int page_query_id,
                  const std::string& request,
                  bool persistent) {
  if (!RequireRenderThread("RunPageQuery"))
    return;
  CefRefPtr<CefV8Context> context = frame ? frame->context() : nullptr;
  if (!context) {
    SendFailure(browser_id, page_query_id, kNoScriptContextMessage);
    return;
  }
  context->Enter();
  CefRefPtr<CefV8Value> query = WindowFunction(context, "cefQuery");
  if (!query) {
    context->Exit();
    SendFailure(browser_id, page_query_id, kQueryNotDefinedMessage);
    return;
  }
  CefRefPtr<CefV8Value> argument =
      Adopt(cefsim_v8value_create_object(nullptr, nullptr));
  argument->SetValue("request", NewString(request), V8_PROPERTY_ATTRIBUTE_NONE);
  argument->SetValue("persistent",
                     Adopt(cefsim_v8value_create_bool(persistent ? 1 : 0)),
                     V8_PROPERTY_ATTRIBUTE_NONE);
  argument->SetValue(
      "onSuccess",
      NewFunction("onSuccess",
                  new PageCallback(browser_id, page_query_id, true)),
      V8_PROPERTY_ATTRIBUTE_NONE);
  argument->SetValue(
      "onFailure",
      NewFunction("onFailure",
                  new PageCallback(browser_id, page_query_id, false)),
      V8_PROPERTY_ATTRIBUTE_NONE);

  CefRefPtr<CefV8Value> query_id =
      query->ExecuteFunction(context->GetGlobal(), {argument});
  if (!query_id) {
    // The page's call threw; it sees the exception, the test a failure.
    CefRefPtr<CefV8Exception> exception = query->GetException();
    query->ClearException();
    context->Exit();
    SendFailure(browser_id, page_query_id,
                exception ? exception->GetMessage().ToString()
                          : std::string("cefQuery threw"));
    return;
  }
  if (query_id->IsInt())
    frame->RememberPageQuery(page_query_id, query_id->GetIntValue());
  context->Exit();
}

void RunPageQueryCancel(FrameImpl* frame, int page_query_id) {
  if (!RequireRenderThread("RunPageQueryCancel"))
    return;
  CefRefPtr<CefV8Context> context = frame ? frame->context() : nullptr;
  const int query_id = frame ? frame->PageQueryId(page_query_id) : 0;
  if (!context || !query_id)
    return;
  context->Enter();
  if (CefRefPtr<CefV8Value> cancel =
          WindowFunction(context, "cefQueryCancel")) {
    cancel->ExecuteFunction(context->GetGlobal(),
                            {Adopt(cefsim_v8value_create_int(query_id))});
    cancel->ClearException();
  }
  frame->ForgetPageQuery(page_query_id);
  context->Exit();
}

void SendPageQueryOutcome(int browser_id,
                          const process::PageQueryOutcome& outcome) {
  RenderProcess* process = RenderProcess::Get();
  if (!process)
    return;
  process->SendToBrowser(
      ipc::FrameWriter(static_cast<uint8_t>(ipc::ToBrowser::kPageQueryOutcome))
          .Int32(browser_id)
          .Int32(outcome.page_query_id)
          .Bool(outcome.success)
          .String(outcome.response)
          .Int32(outcome.error_code)
          .String(outcome.error_message));
}

}  // namespace renderer
}  // namespace cefsim

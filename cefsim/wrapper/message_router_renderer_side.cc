// The renderer half of the message router: defines the page's query and
// cancel functions in every script context, sends queries to the browser
// process and runs the page's callbacks with the answers. Renderer thread.
#include <map>
#include <string>
#include <utility>

#include "include/wrapper/cef_message_router.h"
#include "message_router_pending.h"
#include "message_router_protocol.h"
#include "message_router_support.h"

namespace cefsim {
namespace router {
namespace {

constexpr char kMemberRequest[] = "request";
constexpr char kMemberOnSuccess[] = "onSuccess";
constexpr char kMemberOnFailure[] = "onFailure";
constexpr char kMemberPersistent[] = "persistent";

class RendererRouter : public CefMessageRouterRendererSide {
 public:
  explicit RendererRouter(const CefMessageRouterConfig& config)
      : config_(config),
        query_name_(QueryMessageName(config)),
        cancel_name_(CancelMessageName(config)) {}
  RendererRouter(const RendererRouter&) = delete;
  RendererRouter& operator=(const RendererRouter&) = delete;

  const CefMessageRouterConfig& config() const { return config_; }

  // CefMessageRouterRendererSide:
  int GetPendingCount(CefRefPtr<CefBrowser> browser,
                      CefRefPtr<CefV8Context> context) override;
  void OnContextCreated(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefFrame> frame,
                        CefRefPtr<CefV8Context> context) override;
  void OnContextReleased(CefRefPtr<CefBrowser> browser,
                         CefRefPtr<CefFrame> frame,
                         CefRefPtr<CefV8Context> context) override;
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override;

  // For the page functions of one context.
  int NewContextId(CefRefPtr<CefV8Context> context);
  int SendQuery(CefRefPtr<CefBrowser> browser,
                CefRefPtr<CefFrame> frame,
                int context_id,
                const CefString& request,
                bool persistent,
                CefRefPtr<CefV8Value> on_success,
                CefRefPtr<CefV8Value> on_failure);
  // Request id 0 cancels every request of the context. True when anything
  // was pending (the browser is told then).
  bool SendCancel(CefRefPtr<CefBrowser> browser,
                  CefRefPtr<CefFrame> frame,
                  int context_id,
                  int request_id);

 private:
  struct PendingRequest {
    bool persistent = false;
    CefRefPtr<CefV8Value> on_success;  // May be null.
    CefRefPtr<CefV8Value> on_failure;  // May be null.
  };
  // Keyed by (context id, request id).
  using Pending = PendingMap<std::pair<int, int>, PendingRequest>;

  ~RendererRouter() override = default;

  // The id given to |context|, or kReservedId; forgets it when |remove|.
  int IdOf(CefRefPtr<CefV8Context> context, bool remove);
  void RunSuccess(int browser_id, const ResponseMessage& response);
  void RunFailure(int browser_id, const ResponseMessage& response);

  const CefMessageRouterConfig config_;
  const std::string query_name_;
  const std::string cancel_name_;

  // Everything below: renderer thread only.
  IdSequence<int> context_ids_;
  IdSequence<int> request_ids_;
  Pending pending_;
  // Contexts whose page used a router function, by id; an entry goes when
  // the context is released.
  std::map<int, CefRefPtr<CefV8Context>> contexts_;
};

// The native code behind the page's query and cancel functions of one
// context.
class PageFunctions : public CefV8Handler {
 public:
  explicit PageFunctions(CefRefPtr<RendererRouter> router) : router_(router) {}
  PageFunctions(const PageFunctions&) = delete;
  PageFunctions& operator=(const PageFunctions&) = delete;

  bool Execute(const CefString& name,
               CefRefPtr<CefV8Value> object,
               const CefV8ValueList& arguments,
               CefRefPtr<CefV8Value>& retval,
               CefString& exception) override;

 private:
  void Query(const CefV8ValueList& arguments,
             CefRefPtr<CefV8Value>& retval,
             CefString& exception);
  void Cancel(const CefV8ValueList& arguments,
              CefRefPtr<CefV8Value>& retval,
              CefString& exception);
  // The context's id, made when the page first uses a function.
  int ContextId(CefRefPtr<CefV8Context> context);

  // Kept alive by the functions' handler reference until the context goes.
  const CefRefPtr<RendererRouter> router_;
  int context_id_ = kReservedId;

  IMPLEMENT_REFCOUNTING(PageFunctions);
};

// Reads the optional member |name| of |object| into |value|; false, with
// CEF's exception text, when it is there but fails |is_type|.
bool ReadOptional(CefRefPtr<CefV8Value> object,
                  const char* name,
                  bool (CefV8Value::*is_type)(),
                  const char* type_name,
                  CefRefPtr<CefV8Value>* value,
                  CefString& exception) {
  if (!object->HasValue(name))
    return true;
  *value = object->GetValue(name);
  if (((*value).get()->*is_type)())
    return true;
  exception = std::string("Invalid arguments; object member '") + name +
              "' must have type " + type_name;
  return false;
}

bool PageFunctions::Execute(const CefString& name,
                            CefRefPtr<CefV8Value> object,
                            const CefV8ValueList& arguments,
                            CefRefPtr<CefV8Value>& retval,
                            CefString& exception) {
  if (name == router_->config().js_query_function) {
    Query(arguments, retval, exception);
    return true;
  }
  if (name == router_->config().js_cancel_function) {
    Cancel(arguments, retval, exception);
    return true;
  }
  return false;
}

void PageFunctions::Query(const CefV8ValueList& arguments,
                          CefRefPtr<CefV8Value>& retval,
                          CefString& exception) {
  if (arguments.size() != 1 || !arguments[0]->IsObject()) {
    exception = "Invalid arguments; expecting a single object";
    return;
  }
  CefRefPtr<CefV8Value> options = arguments[0];
  CefRefPtr<CefV8Value> request = options->GetValue(kMemberRequest);
  if (!request || !request->IsString()) {
    exception = std::string("Invalid arguments; object member '") +
                kMemberRequest + "' is required and must have type string";
    return;
  }
  CefRefPtr<CefV8Value> on_success;
  CefRefPtr<CefV8Value> on_failure;
  CefRefPtr<CefV8Value> persistent;
  if (!ReadOptional(options, kMemberOnSuccess, &CefV8Value::IsFunction,
                    "function", &on_success, exception) ||
      !ReadOptional(options, kMemberOnFailure, &CefV8Value::IsFunction,
                    "function", &on_failure, exception) ||
      !ReadOptional(options, kMemberPersistent, &CefV8Value::IsBool, "boolean",
                    &persistent, exception)) {
    return;
  }
  CefRefPtr<CefV8Context> context = CefV8Context::GetCurrentContext();
  const int context_id = ContextId(context);
  const int request_id = router_->SendQuery(
      context->GetBrowser(), context->GetFrame(), context_id,
      request->GetStringValue(), persistent && persistent->GetBoolValue(),
      on_success, on_failure);
  retval = CefV8Value::CreateInt(request_id);
}

void PageFunctions::Cancel(const CefV8ValueList& arguments,
                           CefRefPtr<CefV8Value>& retval,
                           CefString& exception) {
  if (arguments.size() != 1 || !arguments[0]->IsInt()) {
    exception = "Invalid arguments; expecting a single integer";
    return;
  }
  bool canceled = false;
  const int request_id = arguments[0]->GetIntValue();
  if (request_id != kReservedId) {
    CefRefPtr<CefV8Context> context = CefV8Context::GetCurrentContext();
    canceled = router_->SendCancel(context->GetBrowser(), context->GetFrame(),
                                   ContextId(context), request_id);
  }
  retval = CefV8Value::CreateBool(canceled);
}

int PageFunctions::ContextId(CefRefPtr<CefV8Context> context) {
  if (context_id_ == kReservedId)
    context_id_ = router_->NewContextId(context);
  return context_id_;
}

int RendererRouter::GetPendingCount(CefRefPtr<CefBrowser> browser,
                                    CefRefPtr<CefV8Context> context) {
  if (!RequireThread(TID_RENDERER,
                     "CefMessageRouterRendererSide::GetPendingCount")) {
    return 0;
  }
  int context_id = kReservedId;
  if (context) {
    context_id = IdOf(context, /*remove=*/false);
    if (context_id == kReservedId)
      return 0;
  }
  return pending_.Count(
      browser ? browser->GetIdentifier() : Pending::kAllBrowsers,
      [context_id](const std::pair<int, int>& id, const PendingRequest&) {
        return context_id == kReservedId || id.first == context_id;
      });
}

void RendererRouter::OnContextCreated(CefRefPtr<CefBrowser> browser,
                                      CefRefPtr<CefFrame> frame,
                                      CefRefPtr<CefV8Context> context) {
  if (!RequireThread(TID_RENDERER,
                     "CefMessageRouterRendererSide::OnContextCreated")) {
    return;
  }
  CefRefPtr<CefV8Value> window = context->GetGlobal();
  if (!window)
    return;
  CefRefPtr<PageFunctions> functions(new PageFunctions(this));
  const auto attributes = static_cast<CefV8Value::PropertyAttribute>(
      V8_PROPERTY_ATTRIBUTE_READONLY | V8_PROPERTY_ATTRIBUTE_DONTENUM |
      V8_PROPERTY_ATTRIBUTE_DONTDELETE);
  for (const CefString& name :
       {config_.js_query_function, config_.js_cancel_function}) {
    window->SetValue(name, CefV8Value::CreateFunction(name, functions.get()),
                     attributes);
  }
}

void RendererRouter::OnContextReleased(CefRefPtr<CefBrowser> browser,
                                       CefRefPtr<CefFrame> frame,
                                       CefRefPtr<CefV8Context> context) {
  if (!RequireThread(TID_RENDERER,
                     "CefMessageRouterRendererSide::OnContextReleased")) {
    return;
  }
  const int context_id = IdOf(context, /*remove=*/true);
  if (context_id != kReservedId)
    SendCancel(browser, frame, context_id, kReservedId);
}

bool RendererRouter::OnProcessMessageReceived(
    CefRefPtr<CefBrowser> browser,
    CefRefPtr<CefFrame> frame,
    CefProcessId source_process,
    CefRefPtr<CefProcessMessage> message) {
  if (!RequireThread(
          TID_RENDERER,
          "CefMessageRouterRendererSide::OnProcessMessageReceived")) {
    return false;
  }
  if (message->GetName().ToString() != query_name_)
    return false;
  const ResponseMessage response = ReadResponse(message);
  const int browser_id = browser->GetIdentifier();
  CefRefPtr<RendererRouter> self(this);
  // The page's callback runs in a task of its own, as in CEF.
  PostClosure(TID_RENDERER, [self, browser_id, response] {
    if (response.success)
      self->RunSuccess(browser_id, response);
    else
      self->RunFailure(browser_id, response);
  });
  return true;
}

int RendererRouter::NewContextId(CefRefPtr<CefV8Context> context) {
  if (IdOf(context, /*remove=*/false) != kReservedId)
    Violation("CefMessageRouterRendererSide: context already has an id");
  const int context_id = context_ids_.Next();
  contexts_[context_id] = context;
  return context_id;
}

int RendererRouter::IdOf(CefRefPtr<CefV8Context> context, bool remove) {
  for (auto it = contexts_.begin(); it != contexts_.end(); ++it) {
    if (it->second->IsSame(context)) {
      const int context_id = it->first;
      if (remove)
        contexts_.erase(it);
      return context_id;
    }
  }
  return kReservedId;
}

int RendererRouter::SendQuery(CefRefPtr<CefBrowser> browser,
                              CefRefPtr<CefFrame> frame,
                              int context_id,
                              const CefString& request,
                              bool persistent,
                              CefRefPtr<CefV8Value> on_success,
                              CefRefPtr<CefV8Value> on_failure) {
  RequireThread(TID_RENDERER, "CefMessageRouterRendererSide query");
  QueryMessage query;
  query.context_id = context_id;
  query.request_id = request_ids_.Next();
  query.request = request;
  query.persistent = persistent;
  PendingRequest pending;
  pending.persistent = persistent;
  pending.on_success = on_success;
  pending.on_failure = on_failure;
  pending_.Add(browser->GetIdentifier(),
               std::make_pair(context_id, query.request_id),
               std::move(pending));
  frame->SendProcessMessage(PID_BROWSER, BuildQuery(query_name_, query));
  return query.request_id;
}

bool RendererRouter::SendCancel(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                int context_id,
                                int request_id) {
  RequireThread(TID_RENDERER, "CefMessageRouterRendererSide cancel");
  const bool single = request_id != kReservedId;
  const size_t canceled =
      pending_
          .TakeIf(
              browser->GetIdentifier(),
              [context_id, request_id, single](const std::pair<int, int>& id,
                                               const PendingRequest&) {
                return id.first == context_id &&
                       (!single || id.second == request_id);
              },
              single)
          .size();
  if (canceled == 0)
    return false;
  CancelMessage cancel;
  cancel.context_id = context_id;
  cancel.request_id = request_id;
  frame->SendProcessMessage(PID_BROWSER, BuildCancel(cancel_name_, cancel));
  return true;
}

void RendererRouter::RunSuccess(int browser_id,
                                const ResponseMessage& response) {
  RequireThread(TID_RENDERER, "CefMessageRouterRendererSide success");
  const auto id = std::make_pair(response.context_id, response.request_id);
  PendingRequest* found = pending_.Find(browser_id, id);
  if (!found)
    return;
  const PendingRequest request = *found;
  if (!request.persistent) {
    PendingRequest removed;
    pending_.Take(browser_id, id, &removed);
  }
  auto context = contexts_.find(response.context_id);
  if (context != contexts_.end() && request.on_success) {
    request.on_success->ExecuteFunctionWithContext(
        context->second, nullptr, {CefV8Value::CreateString(response.text)});
  }
}

void RendererRouter::RunFailure(int browser_id,
                                const ResponseMessage& response) {
  RequireThread(TID_RENDERER, "CefMessageRouterRendererSide failure");
  PendingRequest request;
  if (!pending_.Take(browser_id,
                     std::make_pair(response.context_id, response.request_id),
                     &request)) {
    return;
  }
  auto context = contexts_.find(response.context_id);
  if (context != contexts_.end() && request.on_failure) {
    request.on_failure->ExecuteFunctionWithContext(
        context->second, nullptr,
        {CefV8Value::CreateInt(response.error_code),
         CefV8Value::CreateString(response.text)});
  }
}

}  // namespace
}  // namespace router
}  // namespace cefsim

// static
CefRefPtr<CefMessageRouterRendererSide> CefMessageRouterRendererSide::Create(
    const CefMessageRouterConfig& config) {
  if (!cefsim::router::IsValidConfig(config))
    return nullptr;
  return new cefsim::router::RendererRouter(config);
}

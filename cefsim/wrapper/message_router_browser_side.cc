// The browser half of the message router: hands each page query to the
// registered handlers, carries their answers back to the renderer, and
// cancels what is pending when a page, browser, renderer or handler goes.
#include <set>
#include <string>
#include <utility>

#include "diagnostics_exports.h"
#include "include/wrapper/cef_message_router.h"
#include "message_router_pending.h"
#include "message_router_protocol.h"
#include "message_router_support.h"

namespace cefsim {
namespace router {
namespace {

class BrowserRouter;

// The answer channel of one query. Success and Failure may come from any
// thread; the work moves to the UI thread and the answer reaches the
// renderer in a task posted from there, never inline.
class QueryCallback : public CefMessageRouterBrowserSide::Callback {
 public:
  QueryCallback(CefRefPtr<BrowserRouter> router,
                int browser_id,
                int64 query_id,
                bool persistent);
  QueryCallback(const QueryCallback&) = delete;
  QueryCallback& operator=(const QueryCallback&) = delete;

  void Success(const CefString& response) override;
  void Failure(int error_code, const CefString& error_message) override;

  // The query ended without an answer (refused or canceled): later answers
  // go nowhere. UI thread.
  void Detach();

 private:
  ~QueryCallback() override;

  // Records an answer that comes when none is taken any more.
  void NoteIgnored(const char* what);

  // Set until the query has its last answer or is detached; the reference
  // keeps the router alive as long as an answer may still come. UI thread.
  CefRefPtr<BrowserRouter> router_;
  bool detached_ = false;  // UI thread.
  const int browser_id_;
  const int64 query_id_;
  const bool persistent_;

  IMPLEMENT_REFCOUNTING(QueryCallback);
};

class BrowserRouter : public CefMessageRouterBrowserSide {
 public:
  explicit BrowserRouter(const CefMessageRouterConfig& config)
      : config_(config),
        query_name_(QueryMessageName(config)),
        cancel_name_(CancelMessageName(config)) {
    cefsim_count_wrapper_object("message_router", 1);
  }
  BrowserRouter(const BrowserRouter&) = delete;
  BrowserRouter& operator=(const BrowserRouter&) = delete;

  // CefMessageRouterBrowserSide:
  bool AddHandler(Handler* handler, bool first) override;
  bool RemoveHandler(Handler* handler) override;
  void CancelPending(CefRefPtr<CefBrowser> browser, Handler* handler) override;
  int GetPendingCount(CefRefPtr<CefBrowser> browser, Handler* handler) override;
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;
  void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser) override;
  void OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                      CefRefPtr<CefFrame> frame) override;
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override;

  // A handler's answer, posted by QueryCallback. UI thread.
  void DeliverSuccess(int browser_id, int64 query_id, const CefString& text);
  void DeliverFailure(int browser_id,
                      int64 query_id,
                      int error_code,
                      const CefString& text);

 private:
  // A query a handler took and has not finished.
  struct PendingQuery {
    CefRefPtr<CefBrowser> browser;
    CefRefPtr<CefFrame> frame;
    // The renderer's ids, sent back with every answer.
    int context_id = kReservedId;
    int request_id = kReservedId;
    bool persistent = false;
    CefRefPtr<QueryCallback> callback;
    // Told when the router cancels the query; registered, not owned.
    Handler* handler = nullptr;
  };
  using Pending = PendingMap<int64, PendingQuery>;

  ~BrowserRouter() override;

  void HandleQuery(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefFrame> frame,
                   const QueryMessage& query);
  void SendFailure(CefRefPtr<CefFrame> frame,
                   int context_id,
                   int request_id,
                   int error_code,
                   const CefString& text);
  // Ends a query the router takes back: the renderer is told (when
  // |notify_renderer|) with -1 "The query has been canceled", the handler
  // hears OnQueryCanceled, and the callback takes no more answers.
  void Cancel(int64 query_id, const PendingQuery& query, bool notify_renderer);
  // Cancels what is pending for |browser| (all browsers when null) and
  // |handler| (all handlers when null). Moves itself to the UI thread.
  void CancelPendingFor(CefRefPtr<CefBrowser> browser,
                        Handler* handler,
                        bool notify_renderer);

  const CefMessageRouterConfig config_;
  const std::string query_name_;
  const std::string cancel_name_;

  // Everything below: UI thread only.
  IdSequence<int64> query_ids_;
  // Ordered by address, as CEF's router keeps them: AddHandler's |first|
  // changes nothing about the order in which handlers are asked.
  std::set<Handler*> handlers_;
  Pending pending_;
};

QueryCallback::QueryCallback(CefRefPtr<BrowserRouter> router,
                             int browser_id,
                             int64 query_id,
                             bool persistent)
    : router_(router),
      browser_id_(browser_id),
      query_id_(query_id),
      persistent_(persistent) {
  cefsim_count_wrapper_object("query_callback", 1);
}

QueryCallback::~QueryCallback() {
  cefsim_count_wrapper_object("query_callback", -1);
  if (router_) {
    Violation(
        "CefMessageRouterBrowserSide::Callback released without Success or "
        "Failure after OnQuery returned true");
  }
}

void QueryCallback::NoteIgnored(const char* what) {
  Note(detached_ ? "router.answer_after_cancel" : "router.second_answer",
       std::string(what) + " for query " + std::to_string(query_id_));
}

void QueryCallback::Success(const CefString& response) {
  if (!CefCurrentlyOn(TID_UI)) {
    CefRefPtr<QueryCallback> self(this);
    PostClosure(TID_UI, [self, response] { self->Success(response); });
    return;
  }
  if (!router_) {
    NoteIgnored("Success");
    return;
  }
  CefRefPtr<BrowserRouter> router = router_;
  const int browser_id = browser_id_;
  const int64 query_id = query_id_;
  PostClosure(TID_UI, [router, browser_id, query_id, response] {
    router->DeliverSuccess(browser_id, query_id, response);
  });
  // A non-persistent query takes one answer only.
  if (!persistent_)
    router_ = nullptr;
}

void QueryCallback::Failure(int error_code, const CefString& error_message) {
  if (!CefCurrentlyOn(TID_UI)) {
    CefRefPtr<QueryCallback> self(this);
    PostClosure(TID_UI, [self, error_code, error_message] {
      self->Failure(error_code, error_message);
    });
    return;
  }
  if (!router_) {
    NoteIgnored("Failure");
    return;
  }
  CefRefPtr<BrowserRouter> router = router_;
  const int browser_id = browser_id_;
  const int64 query_id = query_id_;
  PostClosure(
      TID_UI, [router, browser_id, query_id, error_code, error_message] {
        router->DeliverFailure(browser_id, query_id, error_code, error_message);
      });
  // A failure ends every query, persistent ones too.
  router_ = nullptr;
}

void QueryCallback::Detach() {
  RequireThread(TID_UI, "CefMessageRouterBrowserSide::Callback detach");
  router_ = nullptr;
  detached_ = true;
}

BrowserRouter::~BrowserRouter() {
  cefsim_count_wrapper_object("message_router", -1);
  if (!pending_.empty()) {
    Violation(
        "CefMessageRouterBrowserSide released with queries still pending");
  }
}

bool BrowserRouter::AddHandler(Handler* handler, bool first) {
  if (!RequireThread(TID_UI, "CefMessageRouterBrowserSide::AddHandler"))
    return false;
  if (!handler) {
    // CEF would keep the null handler and crash on the next query.
    Violation("CefMessageRouterBrowserSide::AddHandler with a null handler");
    return false;
  }
  if (handlers_.count(handler))
    return false;
  // |first| is only a hint to the ordered set; the order stays by address.
  handlers_.insert(first ? handlers_.begin() : handlers_.end(), handler);
  return true;
}

bool BrowserRouter::RemoveHandler(Handler* handler) {
  if (!RequireThread(TID_UI, "CefMessageRouterBrowserSide::RemoveHandler"))
    return false;
  if (handlers_.erase(handler) == 0)
    return false;
  CancelPendingFor(nullptr, handler, /*notify_renderer=*/true);
  return true;
}

void BrowserRouter::CancelPending(CefRefPtr<CefBrowser> browser,
                                  Handler* handler) {
  CancelPendingFor(browser, handler, /*notify_renderer=*/true);
}

int BrowserRouter::GetPendingCount(CefRefPtr<CefBrowser> browser,
                                   Handler* handler) {
  if (!RequireThread(TID_UI, "CefMessageRouterBrowserSide::GetPendingCount"))
    return 0;
  return pending_.Count(
      browser ? browser->GetIdentifier() : Pending::kAllBrowsers,
      [handler](int64, const PendingQuery& query) {
        return !handler || query.handler == handler;
      });
}

void BrowserRouter::OnBeforeClose(CefRefPtr<CefBrowser> browser) {
  CancelPendingFor(browser, nullptr, /*notify_renderer=*/false);
}

void BrowserRouter::OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser) {
  CancelPendingFor(browser, nullptr, /*notify_renderer=*/false);
}

// A new main-frame document takes every query of the browser with it, those
// of its sub-frames included; a sub-frame navigation cancels nothing.
void BrowserRouter::OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                                   CefRefPtr<CefFrame> frame) {
  if (frame->IsMain())
    CancelPendingFor(browser, nullptr, /*notify_renderer=*/false);
}

bool BrowserRouter::OnProcessMessageReceived(
    CefRefPtr<CefBrowser> browser,
    CefRefPtr<CefFrame> frame,
    CefProcessId source_process,
    CefRefPtr<CefProcessMessage> message) {
  if (!RequireThread(TID_UI,
                     "CefMessageRouterBrowserSide::OnProcessMessageReceived")) {
    return false;
  }
  const std::string name = message->GetName().ToString();
  if (name == query_name_) {
    HandleQuery(browser, frame, ReadQuery(message));
    return true;
  }
  if (name == cancel_name_) {
    const CancelMessage cancel = ReadCancel(message);
    // Request id 0 stands for every query of the context.
    const bool single = cancel.request_id != kReservedId;
    for (const auto& entry : pending_.TakeIf(
             browser->GetIdentifier(),
             [&cancel, single](int64, const PendingQuery& query) {
               return query.context_id == cancel.context_id &&
                      (!single || query.request_id == cancel.request_id);
             },
             single)) {
      Cancel(entry.first, entry.second, /*notify_renderer=*/false);
    }
    return true;
  }
  return false;
}

void BrowserRouter::HandleQuery(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                const QueryMessage& query) {
  if (handlers_.empty()) {
    SendFailure(frame, query.context_id, query.request_id, kCanceledErrorCode,
                kCanceledErrorMessage);
    return;
  }
  const int browser_id = browser->GetIdentifier();
  const int64 query_id = query_ids_.Next();
  CefRefPtr<QueryCallback> callback(
      new QueryCallback(this, browser_id, query_id, query.persistent));

  // A copy: a handler may add or remove handlers while it is asked.
  const std::set<Handler*> handlers = handlers_;
  Handler* taker = nullptr;
  for (Handler* handler : handlers) {
    if (handler->OnQuery(browser, frame, query_id, query.request,
                         query.persistent, callback.get())) {
      taker = handler;
      break;
    }
  }

  if (!taker) {
    if (!callback->HasOneRef()) {
      Violation(
          "CefMessageRouterBrowserSide: a handler that returned false from "
          "OnQuery kept the callback");
    }
    callback->Detach();
    // Every handler refused: the page fails, no handler hears of it.
    SendFailure(frame, query.context_id, query.request_id, kCanceledErrorCode,
                kCanceledErrorMessage);
    return;
  }
  // Safe after OnQuery: answers reach DeliverSuccess/Failure only through a
  // posted task.
  PendingQuery pending;
  pending.browser = browser;
  pending.frame = frame;
  pending.context_id = query.context_id;
  pending.request_id = query.request_id;
  pending.persistent = query.persistent;
  pending.callback = callback;
  pending.handler = taker;
  pending_.Add(browser_id, query_id, std::move(pending));
}

void BrowserRouter::DeliverSuccess(int browser_id,
                                   int64 query_id,
                                   const CefString& text) {
  if (!RequireThread(TID_UI, "CefMessageRouterBrowserSide success"))
    return;
  PendingQuery* found = pending_.Find(browser_id, query_id);
  if (!found)
    return;
  PendingQuery query = *found;
  if (!query.persistent) {
    PendingQuery removed;
    pending_.Take(browser_id, query_id, &removed);
  }
  CefRefPtr<CefProcessMessage> message =
      BuildSuccess(config_.message_size_threshold, query_name_,
                   query.context_id, query.request_id, text);
  if (message)
    query.frame->SendProcessMessage(PID_RENDERER, message);
}

void BrowserRouter::DeliverFailure(int browser_id,
                                   int64 query_id,
                                   int error_code,
                                   const CefString& text) {
  if (!RequireThread(TID_UI, "CefMessageRouterBrowserSide failure"))
    return;
  PendingQuery query;
  if (!pending_.Take(browser_id, query_id, &query))
    return;
  SendFailure(query.frame, query.context_id, query.request_id, error_code,
              text);
}

void BrowserRouter::SendFailure(CefRefPtr<CefFrame> frame,
                                int context_id,
                                int request_id,
                                int error_code,
                                const CefString& text) {
  frame->SendProcessMessage(
      PID_RENDERER,
      BuildFailure(query_name_, context_id, request_id, error_code, text));
}

void BrowserRouter::Cancel(int64 query_id,
                           const PendingQuery& query,
                           bool notify_renderer) {
  if (notify_renderer) {
    SendFailure(query.frame, query.context_id, query.request_id,
                kCanceledErrorCode, kCanceledErrorMessage);
  }
  query.handler->OnQueryCanceled(query.browser, query.frame, query_id);
  query.callback->Detach();
}

void BrowserRouter::CancelPendingFor(CefRefPtr<CefBrowser> browser,
                                     Handler* handler,
                                     bool notify_renderer) {
  if (!CefCurrentlyOn(TID_UI)) {
    CefRefPtr<BrowserRouter> self(this);
    PostClosure(TID_UI, [self, browser, handler, notify_renderer] {
      self->CancelPendingFor(browser, handler, notify_renderer);
    });
    return;
  }
  for (const auto& entry : pending_.TakeIf(
           browser ? browser->GetIdentifier() : Pending::kAllBrowsers,
           [handler](int64, const PendingQuery& query) {
             return !handler || query.handler == handler;
           })) {
    Cancel(entry.first, entry.second, notify_renderer);
  }
}

}  // namespace
}  // namespace router
}  // namespace cefsim

// static
CefRefPtr<CefMessageRouterBrowserSide> CefMessageRouterBrowserSide::Create(
    const CefMessageRouterConfig& config) {
  if (!cefsim::router::IsValidConfig(config))
    return nullptr;
  return new cefsim::router::BrowserRouter(config);
}

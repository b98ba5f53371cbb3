#include "orvcef/bridge/query_bridge.h"

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "include/cef_frame.h"
#include "include/cef_parser.h"
#include "orvcef/base/library_state.h"
#include "orvcef/base/no_throw.h"
#include "orvcef/base/thread_checks.h"
#include "orvcef/bridge/page_answer.h"
#include "orvcef/bridge/reply_grammar.h"

namespace orvcef {

namespace {

static_assert(kHostQueryMessage == WM_APP + 8899, "WM_HOST_QUERY moved");

// Lets frames of allowed hosts reach the host's message window. Every query
// it accepts is answered before OnQuery returns, so nothing stays pending
// here and a cancel has nothing to reach.
class MessageHandler : public CefMessageRouterBrowserSide::Handler {
 public:
  bool OnQuery(CefRefPtr<CefBrowser> browser,
               CefRefPtr<CefFrame> frame,
               int64 query_id,
               const CefString& request,
               bool persistent,
               CefRefPtr<Callback> callback) override;

 private:
  // OnQuery's work, which may throw before the query is answered.
  bool HandleQuery(CefRefPtr<CefFrame> frame,
                   const CefString& request,
                   CefRefPtr<Callback> callback);
};

// The reply buffer goes back to the heap however the query ends.
struct FreeReply {
  void operator()(char* reply) const { free(reply); }
};

// Only the host of the calling frame's own URL counts; a URL without one
// (data:, about:blank) never matches.
bool IsAllowedFrame(CefRefPtr<CefFrame> frame) {
  CefURLParts parts;
  CefParseURL(frame->GetURL(), parts);
  return State().IsAllowedHost(CefString(&parts.host).ToWString());
}

bool MessageHandler::OnQuery(CefRefPtr<CefBrowser> browser,
                             CefRefPtr<CefFrame> frame,
                             int64 query_id,
                             const CefString& request,
                             bool persistent,
                             CefRefPtr<Callback> callback) {
  ORVCEF_REQUIRE_UI_THREAD();
  // A query that throws before it is answered is left to the router, which
  // fails it as not handled.
  return CallWithoutThrowing(
      false, [&] { return HandleQuery(frame, request, callback); });
}

bool MessageHandler::HandleQuery(CefRefPtr<CefFrame> frame,
                                 const CefString& request,
                                 CefRefPtr<Callback> callback) {
  // Refused frames learn nothing; the router fails the query for them.
  if (!IsAllowedFrame(frame))
    return false;

  LibraryState& state = State();
  const HWND message_window = state.message_window();
  if (!message_window) {
    callback->Failure(-2, "Session-Not-Ready");
    return true;
  }
  if (request == "route") {
    callback->Success(state.current_route());
    return true;
  }

  std::unique_ptr<char, FreeReply> reply_buffer(
      static_cast<char*>(malloc(kReplyBufferSize)));
  char* reply = reply_buffer.get();
  if (!reply) {
    callback->Failure(-1, "OutOfMemory");
    return true;
  }
  reply[0] = '\0';
  // The host reads the request in place for the length of the call.
  const std::wstring request_text = request.ToWString();
  const WPARAM request_address =
      request_text.empty() ? 0 : reinterpret_cast<WPARAM>(request_text.c_str());
  // Blocks this thread until the host's window procedure returns.
  SendMessageW(message_window, kHostQueryMessage, request_address,
               reinterpret_cast<LPARAM>(reply));
  const QueryOutcome outcome = ReadHostReply(reply, kReplyBufferSize);
  // The outcome's text points into the buffer: convert, then let it go.
  CefString answer;
  ConvertPageAnswer(outcome.text, &answer);
  reply_buffer.reset();

  if (outcome.success)
    callback->Success(answer);
  else
    callback->Failure(outcome.error_code, answer);
  return true;
}

}  // namespace

std::shared_ptr<CefMessageRouterBrowserSide::Handler> CreateQueryHandler() {
  return std::make_shared<MessageHandler>();
}

}  // namespace orvcef

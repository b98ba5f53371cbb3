// The process messages that the two halves of the message router exchange,
// with CEF 109's names and layouts:
//   renderer -> browser, "<query function>Msg":
//     [int context id, int request id, string request, bool persistent]
//   renderer -> browser, "<cancel function>Msg":
//     [int context id, int request id (0: all of the context)]
//   browser -> renderer, "<query function>Msg":
//     success [int context id, int request id, bool true, string response]
//     failure [int context id, int request id, bool false, int code, string]
// A success whose response is longer than the size threshold (in UTF-16
// code units, as 109 counts it) travels as shared memory instead: a header
// {int context id, int request id, bool success} and the UTF-16 text.
#ifndef CEFSIM_WRAPPER_MESSAGE_ROUTER_PROTOCOL_H_
#define CEFSIM_WRAPPER_MESSAGE_ROUTER_PROTOCOL_H_

#include <stddef.h>

#include <string>

#include "include/cef_process_message.h"
#include "include/wrapper/cef_message_router.h"

namespace cefsim {
namespace router {

// Never used as a context, request or query id.
constexpr int kReservedId = 0;

// What a query ends with when the router, not a handler, ends it.
constexpr int kCanceledErrorCode = -1;
extern const char kCanceledErrorMessage[];

// The default message size threshold.
constexpr size_t kDefaultMessageSizeThreshold = 16384;

// Both function names must be given.
bool IsValidConfig(const CefMessageRouterConfig& config);
std::string QueryMessageName(const CefMessageRouterConfig& config);
std::string CancelMessageName(const CefMessageRouterConfig& config);

// Ids handed out one after the other, never kReservedId (also after the
// counter wraps).
template <class T>
class IdSequence {
 public:
  T Next() {
    T id = ++last_;
    if (id == kReservedId)
      id = ++last_;
    return id;
  }

 private:
  T last_ = kReservedId;
};

struct QueryMessage {
  int context_id = kReservedId;
  int request_id = kReservedId;
  CefString request;
  bool persistent = false;
};

struct CancelMessage {
  int context_id = kReservedId;
  int request_id = kReservedId;
};

struct ResponseMessage {
  int context_id = kReservedId;
  int request_id = kReservedId;
  bool success = false;
  int error_code = 0;
  CefString text;  // The response, or the error message.
};

CefRefPtr<CefProcessMessage> BuildQuery(const std::string& name,
                                        const QueryMessage& query);
CefRefPtr<CefProcessMessage> BuildCancel(const std::string& name,
                                         const CancelMessage& cancel);
// A success as a list message up to |threshold| code units, as shared
// memory above (and as a list again when no shared memory can be had).
CefRefPtr<CefProcessMessage> BuildSuccess(size_t threshold,
                                          const std::string& name,
                                          int context_id,
                                          int request_id,
                                          const CefString& response);
CefRefPtr<CefProcessMessage> BuildFailure(const std::string& name,
                                          int context_id,
                                          int request_id,
                                          int error_code,
                                          const CefString& error_message);

// Reading the arguments; a layout other than the one above is a violation
// (CEF DCHECKs it) and reads as far as it goes.
QueryMessage ReadQuery(CefRefPtr<CefProcessMessage> message);
CancelMessage ReadCancel(CefRefPtr<CefProcessMessage> message);
ResponseMessage ReadResponse(CefRefPtr<CefProcessMessage> message);

}  // namespace router
}  // namespace cefsim

#endif  // CEFSIM_WRAPPER_MESSAGE_ROUTER_PROTOCOL_H_

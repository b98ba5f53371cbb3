#include "message_router_protocol.h"

#include <string.h>

#include "include/cef_shared_memory_region.h"
#include "include/cef_shared_process_message_builder.h"
#include "message_router_support.h"

namespace cefsim {
namespace router {
namespace {

constexpr char kMessageSuffix[] = "Msg";

// The start of a shared-memory response; the UTF-16 text follows.
struct SharedResponseHeader {
  int context_id;
  int request_id;
  bool is_success;
};

using Char = CefString::char_type;

size_t SharedResponseSize(const CefString& response) {
  return sizeof(SharedResponseHeader) + response.length() * sizeof(Char);
}

CefRefPtr<CefProcessMessage> BuildListSuccess(const std::string& name,
                                              int context_id,
                                              int request_id,
                                              const CefString& response) {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(name);
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  args->SetInt(0, context_id);
  args->SetInt(1, request_id);
  args->SetBool(2, true);
  args->SetString(3, response);
  return message;
}

CefRefPtr<CefProcessMessage> BuildSharedSuccess(const std::string& name,
                                                int context_id,
                                                int request_id,
                                                const CefString& response) {
  CefRefPtr<CefSharedProcessMessageBuilder> builder =
      CefSharedProcessMessageBuilder::Create(name,
                                             SharedResponseSize(response));
  if (!builder || !builder->IsValid()) {
    // CEF logs an error and falls back to a list message.
    Note("router.shared_memory_fallback", name);
    return BuildListSuccess(name, context_id, request_id, response);
  }
  auto* memory = static_cast<uint8_t*>(builder->Memory());
  SharedResponseHeader header = {context_id, request_id, true};
  memcpy(memory, &header, sizeof(header));
  memcpy(memory + sizeof(header), response.c_str(),
         response.length() * sizeof(Char));
  return builder->Build();
}

ResponseMessage ReadSharedResponse(CefRefPtr<CefSharedMemoryRegion> region) {
  ResponseMessage response;
  if (!region || !region->IsValid())
    return response;
  const size_t size = region->Size();
  if (size < sizeof(SharedResponseHeader)) {
    Violation(
        "message router: shared-memory response smaller than its "
        "header");
    return response;
  }
  const auto* memory = static_cast<const uint8_t*>(region->Memory());
  SharedResponseHeader header;
  memcpy(&header, memory, sizeof(header));
  if (!header.is_success)
    Violation("message router: shared-memory response is not a success");
  response.context_id = header.context_id;
  response.request_id = header.request_id;
  response.success = header.is_success;
  const size_t length = (size - sizeof(header)) / sizeof(Char);
  response.text.FromString(
      reinterpret_cast<const Char*>(memory + sizeof(header)), length,
      /*copy=*/true);
  return response;
}

void CheckSize(CefRefPtr<CefListValue> args,
               size_t expected,
               const std::string& name) {
  const size_t size = args ? args->GetSize() : 0;
  if (size != expected) {
    Violation("message router: " + name + " has " + std::to_string(size) +
              " arguments, expected " + std::to_string(expected));
  }
}

}  // namespace

const char kCanceledErrorMessage[] = "The query has been canceled";

bool IsValidConfig(const CefMessageRouterConfig& config) {
  return !config.js_query_function.empty() &&
         !config.js_cancel_function.empty();
}

std::string QueryMessageName(const CefMessageRouterConfig& config) {
  return config.js_query_function.ToString() + kMessageSuffix;
}

std::string CancelMessageName(const CefMessageRouterConfig& config) {
  return config.js_cancel_function.ToString() + kMessageSuffix;
}

CefRefPtr<CefProcessMessage> BuildQuery(const std::string& name,
                                        const QueryMessage& query) {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(name);
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  args->SetInt(0, query.context_id);
  args->SetInt(1, query.request_id);
  args->SetString(2, query.request);
  args->SetBool(3, query.persistent);
  return message;
}

CefRefPtr<CefProcessMessage> BuildCancel(const std::string& name,
                                         const CancelMessage& cancel) {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(name);
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  args->SetInt(0, cancel.context_id);
  args->SetInt(1, cancel.request_id);
  return message;
}

CefRefPtr<CefProcessMessage> BuildSuccess(size_t threshold,
                                          const std::string& name,
                                          int context_id,
                                          int request_id,
                                          const CefString& response) {
  if (response.length() <= threshold)
    return BuildListSuccess(name, context_id, request_id, response);
  return BuildSharedSuccess(name, context_id, request_id, response);
}

CefRefPtr<CefProcessMessage> BuildFailure(const std::string& name,
                                          int context_id,
                                          int request_id,
                                          int error_code,
                                          const CefString& error_message) {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(name);
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  args->SetInt(0, context_id);
  args->SetInt(1, request_id);
  args->SetBool(2, false);
  args->SetInt(3, error_code);
  args->SetString(4, error_message);
  return message;
}

QueryMessage ReadQuery(CefRefPtr<CefProcessMessage> message) {
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  CheckSize(args, 4, message->GetName());
  QueryMessage query;
  if (!args)
    return query;
  query.context_id = args->GetInt(0);
  query.request_id = args->GetInt(1);
  query.request = args->GetString(2);
  query.persistent = args->GetBool(3);
  return query;
}

CancelMessage ReadCancel(CefRefPtr<CefProcessMessage> message) {
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  CheckSize(args, 2, message->GetName());
  CancelMessage cancel;
  if (!args)
    return cancel;
  cancel.context_id = args->GetInt(0);
  cancel.request_id = args->GetInt(1);
  return cancel;
}

ResponseMessage ReadResponse(CefRefPtr<CefProcessMessage> message) {
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  if (!args)
    return ReadSharedResponse(message->GetSharedMemoryRegion());
  ResponseMessage response;
  if (args->GetSize() <= 3) {
    Violation("message router: " + message->GetName().ToString() +
              " has too few arguments for a response");
  }
  response.context_id = args->GetInt(0);
  response.request_id = args->GetInt(1);
  response.success = args->GetBool(2);
  // As in CEF, only a failure's layout is checked exactly.
  if (!response.success)
    CheckSize(args, 5, message->GetName());
  if (response.success) {
    response.text = args->GetString(3);
  } else {
    response.error_code = args->GetInt(3);
    response.text = args->GetString(4);
  }
  return response;
}

}  // namespace router
}  // namespace cefsim

// The static factories of the value and process-message classes; the objects
// themselves live in libcef.dll.
#include "values_exports.h"

#include "adopt.h"
#include "shutdown_checker.h"

// static
CefRefPtr<CefValue> CefValue::Create() {
  cefsim::AssertNotShutdown();
  return cefsim::Adopt(cefsim_value_create());
}

// static
CefRefPtr<CefBinaryValue> CefBinaryValue::Create(const void* data,
                                                 size_t data_size) {
  cefsim::AssertNotShutdown();
  return cefsim::Adopt(cefsim_binary_value_create(data, data_size));
}

// static
CefRefPtr<CefDictionaryValue> CefDictionaryValue::Create() {
  cefsim::AssertNotShutdown();
  return cefsim::Adopt(cefsim_dictionary_value_create());
}

// static
CefRefPtr<CefListValue> CefListValue::Create() {
  cefsim::AssertNotShutdown();
  return cefsim::Adopt(cefsim_list_value_create());
}

// static
CefRefPtr<CefProcessMessage> CefProcessMessage::Create(const CefString& name) {
  cefsim::AssertNotShutdown();
  return cefsim::Adopt(cefsim_process_message_create(name.GetStruct()));
}

// static
CefRefPtr<CefSharedProcessMessageBuilder>
CefSharedProcessMessageBuilder::Create(const CefString& name,
                                       size_t byte_size) {
  cefsim::AssertNotShutdown();
  return cefsim::Adopt(cefsim_shared_process_message_builder_create(
      name.GetStruct(), byte_size));
}

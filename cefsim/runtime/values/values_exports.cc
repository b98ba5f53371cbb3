// The C exports that the wrapper's value factories call.
#include "wrapper/values_exports.h"

#include "diagnostics/records.h"
#include "values/binary_value_impl.h"
#include "values/dictionary_value_impl.h"
#include "values/list_value_impl.h"
#include "values/process_message_impl.h"
#include "values/shared_memory_message.h"
#include "values/value_impl.h"

namespace {

// Hands |object| to the caller with the caller's reference added.
template <class T>
T* Handout(T* object) {
  object->AddRef();
  return object;
}

std::wstring WideName(const cef_string_t* name) {
  if (!name || !name->str)
    return std::wstring();
  return std::wstring(name->str, name->length);
}

}  // namespace

using cefsim::values::Node;

CefValue* cefsim_value_create(void) {
  return Handout(new cefsim::values::ValueImpl());
}

CefBinaryValue* cefsim_binary_value_create(const void* data, size_t data_size) {
  if (!data || data_size == 0) {
    cefsim::ReportViolation("CefBinaryValue::Create without data");
    return nullptr;
  }
  auto node = std::make_unique<Node>(VTYPE_BINARY);
  const auto* bytes = static_cast<const uint8_t*>(data);
  node->binary_value.assign(bytes, bytes + data_size);
  return Handout(new cefsim::values::BinaryValueImpl(std::move(node)));
}

CefDictionaryValue* cefsim_dictionary_value_create(void) {
  return Handout(new cefsim::values::DictionaryValueImpl(
      std::make_unique<Node>(VTYPE_DICTIONARY), /*read_only=*/false));
}

CefListValue* cefsim_list_value_create(void) {
  return Handout(new cefsim::values::ListValueImpl(
      std::make_unique<Node>(VTYPE_LIST), /*read_only=*/false));
}

CefProcessMessage* cefsim_process_message_create(const cef_string_t* name) {
  return Handout(new cefsim::values::ProcessMessageImpl(WideName(name)));
}

CefSharedProcessMessageBuilder* cefsim_shared_process_message_builder_create(
    const cef_string_t* name,
    size_t byte_size) {
  return Handout(new cefsim::values::SharedProcessMessageBuilderImpl(
      WideName(name), byte_size));
}

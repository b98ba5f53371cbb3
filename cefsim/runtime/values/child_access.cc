#include "values/child_access.h"

#include "diagnostics/records.h"
#include "values/binary_value_impl.h"
#include "values/dictionary_value_impl.h"
#include "values/list_value_impl.h"
#include "values/value_impl.h"

namespace cefsim {
namespace values {
namespace {

bool Is(const Node* child, cef_value_type_t type) {
  return child && child->type == type;
}

std::unique_ptr<Node> Rejected(const char* what) {
  ReportViolation(std::string("a null, invalid or foreign ") + what +
                  " was passed to a value setter");
  return nullptr;
}

}  // namespace

CefValueType ChildType(const Node* child) {
  return child ? child->type : VTYPE_INVALID;
}

bool ChildBool(const Node* child) {
  return Is(child, VTYPE_BOOL) && child->bool_value;
}

int ChildInt(const Node* child) {
  return Is(child, VTYPE_INT) ? child->int_value : 0;
}

double ChildDouble(const Node* child) {
  return Is(child, VTYPE_DOUBLE) ? child->double_value : 0;
}

CefString ChildString(const Node* child) {
  return Is(child, VTYPE_STRING) ? FromWide(child->string_value) : CefString();
}

CefRefPtr<CefValue> ChildValue(Node* child, bool read_only) {
  if (!child)
    return nullptr;
  return ValueImpl::ForChild(child, read_only);
}

CefRefPtr<CefBinaryValue> ChildBinary(Node* child) {
  if (!Is(child, VTYPE_BINARY))
    return nullptr;
  return new BinaryValueImpl(child);
}

CefRefPtr<CefDictionaryValue> ChildDictionary(Node* child, bool read_only) {
  if (!Is(child, VTYPE_DICTIONARY))
    return nullptr;
  return new DictionaryValueImpl(child, read_only);
}

CefRefPtr<CefListValue> ChildList(Node* child, bool read_only) {
  if (!Is(child, VTYPE_LIST))
    return nullptr;
  return new ListValueImpl(child, read_only);
}

std::unique_ptr<Node> MakeBool(bool value) {
  auto node = std::make_unique<Node>(VTYPE_BOOL);
  node->bool_value = value;
  return node;
}

std::unique_ptr<Node> MakeInt(int value) {
  auto node = std::make_unique<Node>(VTYPE_INT);
  node->int_value = value;
  return node;
}

std::unique_ptr<Node> MakeDouble(double value) {
  auto node = std::make_unique<Node>(VTYPE_DOUBLE);
  node->double_value = value;
  return node;
}

std::unique_ptr<Node> MakeString(const CefString& value) {
  auto node = std::make_unique<Node>(VTYPE_STRING);
  node->string_value = ToWide(value);
  return node;
}

std::unique_ptr<Node> TakeBinary(CefBinaryValue* value) {
  BinaryValueImpl* impl = BinaryValueImpl::FromInterface(value);
  std::unique_ptr<Node> node = impl ? impl->TakeForContainer() : nullptr;
  return node ? std::move(node) : Rejected("binary value");
}

std::unique_ptr<Node> TakeDictionary(CefDictionaryValue* value) {
  DictionaryValueImpl* impl = DictionaryValueImpl::FromInterface(value);
  std::unique_ptr<Node> node = impl ? impl->TakeForContainer() : nullptr;
  return node ? std::move(node) : Rejected("dictionary value");
}

std::unique_ptr<Node> TakeList(CefListValue* value) {
  ListValueImpl* impl = ListValueImpl::FromInterface(value);
  std::unique_ptr<Node> node = impl ? impl->TakeForContainer() : nullptr;
  return node ? std::move(node) : Rejected("list value");
}

std::unique_ptr<Node> TakeValue(CefValue* value) {
  ValueImpl* impl = ValueImpl::FromInterface(value);
  std::unique_ptr<Node> node = impl ? impl->TakeForContainer() : nullptr;
  return node ? std::move(node) : Rejected("value");
}

}  // namespace values
}  // namespace cefsim

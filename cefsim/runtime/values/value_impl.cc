#include "values/value_impl.h"

#include "values/binary_value_impl.h"
#include "values/child_access.h"
#include "values/dictionary_value_impl.h"
#include "values/list_value_impl.h"

namespace cefsim {
namespace values {
namespace {

LiveSet<CefValue>& Live() {
  static auto* live = new LiveSet<CefValue>();
  return *live;
}

}  // namespace

ValueImpl::ValueImpl() : simple_(std::make_unique<Node>()) {
  TreeGuard guard(TreeLock());
  Live().Add(this);
}

ValueImpl::~ValueImpl() {
  TreeGuard guard(TreeLock());
  Live().Remove(this);
}

// static
CefRefPtr<CefValue> ValueImpl::ForChild(Node* child, bool read_only) {
  CefRefPtr<ValueImpl> value = new ValueImpl();
  switch (child->type) {
    case VTYPE_BINARY:
      value->SetSimple(nullptr);
      value->binary_ = ChildBinary(child);
      break;
    case VTYPE_DICTIONARY:
      value->SetSimple(nullptr);
      value->dictionary_ = ChildDictionary(child, read_only);
      break;
    case VTYPE_LIST:
      value->SetSimple(nullptr);
      value->list_ = ChildList(child, read_only);
      break;
    default:
      value->SetSimple(child->Clone());
      break;
  }
  return value.get();
}

// static
ValueImpl* ValueImpl::FromInterface(CefValue* object) {
  TreeGuard guard(TreeLock());
  return Live().Contains(object) ? static_cast<ValueImpl*>(object) : nullptr;
}

std::unique_ptr<Node> ValueImpl::TakeForContainer() {
  if (binary_)
    return TakeBinary(binary_.get());
  if (dictionary_)
    return TakeDictionary(dictionary_.get());
  if (list_)
    return TakeList(list_.get());
  return simple_ ? simple_->Clone() : nullptr;
}

void ValueImpl::RebindTo(Node* stored) {
  if (binary_)
    binary_ = ChildBinary(stored);
  else if (dictionary_)
    dictionary_ = ChildDictionary(stored, /*read_only=*/false);
  else if (list_)
    list_ = ChildList(stored, /*read_only=*/false);
}

void ValueImpl::SetSimple(std::unique_ptr<Node> simple) {
  TreeGuard guard(TreeLock());
  simple_ = std::move(simple);
  binary_ = nullptr;
  dictionary_ = nullptr;
  list_ = nullptr;
}

bool ValueImpl::IsValid() {
  TreeGuard guard(TreeLock());
  if (binary_)
    return binary_->IsValid();
  if (dictionary_)
    return dictionary_->IsValid();
  if (list_)
    return list_->IsValid();
  return simple_ != nullptr;
}

bool ValueImpl::IsOwned() {
  TreeGuard guard(TreeLock());
  if (binary_)
    return binary_->IsOwned();
  if (dictionary_)
    return dictionary_->IsOwned();
  if (list_)
    return list_->IsOwned();
  return false;
}

bool ValueImpl::IsReadOnly() {
  TreeGuard guard(TreeLock());
  if (binary_)
    return true;
  if (dictionary_)
    return dictionary_->IsReadOnly();
  if (list_)
    return list_->IsReadOnly();
  return false;
}

bool ValueImpl::IsSame(CefRefPtr<CefValue> that) {
  if (that.get() == this)
    return true;
  if (!that || that->GetType() != GetType())
    return false;
  TreeGuard guard(TreeLock());
  ValueImpl* other = FromInterface(that.get());
  if (!other)
    return false;
  if (binary_)
    return binary_->IsSame(other->binary_);
  if (dictionary_)
    return dictionary_->IsSame(other->dictionary_);
  if (list_)
    return list_->IsSame(other->list_);
  // Two simple values are never the same object.
  return false;
}

bool ValueImpl::IsEqual(CefRefPtr<CefValue> that) {
  if (that.get() == this)
    return true;
  if (!that || that->GetType() != GetType())
    return false;
  TreeGuard guard(TreeLock());
  ValueImpl* other = FromInterface(that.get());
  if (!other)
    return false;
  if (binary_)
    return binary_->IsEqual(other->binary_);
  if (dictionary_)
    return dictionary_->IsEqual(other->dictionary_);
  if (list_)
    return list_->IsEqual(other->list_);
  if (!simple_ || !other->simple_)
    return !simple_ && !other->simple_;
  return simple_->Equals(*other->simple_);
}

CefRefPtr<CefValue> ValueImpl::Copy() {
  TreeGuard guard(TreeLock());
  CefRefPtr<ValueImpl> copy = new ValueImpl();
  if (binary_)
    copy->SetBinary(binary_->Copy());
  else if (dictionary_)
    copy->SetDictionary(dictionary_->Copy(false));
  else if (list_)
    copy->SetList(list_->Copy());
  else
    copy->SetSimple(simple_ ? simple_->Clone() : nullptr);
  return copy.get();
}

CefValueType ValueImpl::GetType() {
  TreeGuard guard(TreeLock());
  if (binary_)
    return VTYPE_BINARY;
  if (dictionary_)
    return VTYPE_DICTIONARY;
  if (list_)
    return VTYPE_LIST;
  return ChildType(simple_.get());
}

bool ValueImpl::GetBool() {
  TreeGuard guard(TreeLock());
  return ChildBool(simple_.get());
}

int ValueImpl::GetInt() {
  TreeGuard guard(TreeLock());
  return ChildInt(simple_.get());
}

double ValueImpl::GetDouble() {
  TreeGuard guard(TreeLock());
  return ChildDouble(simple_.get());
}

CefString ValueImpl::GetString() {
  TreeGuard guard(TreeLock());
  return ChildString(simple_.get());
}

CefRefPtr<CefBinaryValue> ValueImpl::GetBinary() {
  TreeGuard guard(TreeLock());
  return binary_;
}

CefRefPtr<CefDictionaryValue> ValueImpl::GetDictionary() {
  TreeGuard guard(TreeLock());
  return dictionary_;
}

CefRefPtr<CefListValue> ValueImpl::GetList() {
  TreeGuard guard(TreeLock());
  return list_;
}

bool ValueImpl::SetNull() {
  SetSimple(std::make_unique<Node>());
  return true;
}

bool ValueImpl::SetBool(bool value) {
  SetSimple(MakeBool(value));
  return true;
}

bool ValueImpl::SetInt(int value) {
  SetSimple(MakeInt(value));
  return true;
}

bool ValueImpl::SetDouble(double value) {
  SetSimple(MakeDouble(value));
  return true;
}

bool ValueImpl::SetString(const CefString& value) {
  SetSimple(MakeString(value));
  return true;
}

// CEF keeps the object it is given: no copy, and the object stays valid.
bool ValueImpl::SetBinary(CefRefPtr<CefBinaryValue> value) {
  TreeGuard guard(TreeLock());
  SetSimple(nullptr);
  binary_ = value;
  return true;
}

bool ValueImpl::SetDictionary(CefRefPtr<CefDictionaryValue> value) {
  TreeGuard guard(TreeLock());
  SetSimple(nullptr);
  dictionary_ = value;
  return true;
}

bool ValueImpl::SetList(CefRefPtr<CefListValue> value) {
  TreeGuard guard(TreeLock());
  SetSimple(nullptr);
  list_ = value;
  return true;
}

}  // namespace values
}  // namespace cefsim

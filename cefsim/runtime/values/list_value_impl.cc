#include "values/list_value_impl.h"

#include "values/child_access.h"
#include "values/value_impl.h"

namespace cefsim {
namespace values {
namespace {

LiveSet<CefListValue>& Live() {
  static auto* live = new LiveSet<CefListValue>();
  return *live;
}

}  // namespace

ListValueImpl::ListValueImpl(std::unique_ptr<Node> root, bool read_only)
    : NodeHandle(std::move(root), read_only) {
  TreeGuard guard(TreeLock());
  Live().Add(this);
}

ListValueImpl::ListValueImpl(Node* node, bool read_only)
    : NodeHandle(node, read_only) {
  TreeGuard guard(TreeLock());
  Live().Add(this);
}

ListValueImpl::~ListValueImpl() {
  TreeGuard guard(TreeLock());
  Live().Remove(this);
}

ListValueImpl* ListValueImpl::FromInterface(CefListValue* object) {
  TreeGuard guard(TreeLock());
  return Live().Contains(object) ? static_cast<ListValueImpl*>(object)
                                 : nullptr;
}

std::unique_ptr<Node> ListValueImpl::TakeForContainer() {
  if (!VerifyAttached())
    return nullptr;
  return CopyOrDetach();
}

Node* ListValueImpl::Find(size_t index) {
  return index < node()->list.size() ? node()->list[index].get() : nullptr;
}

bool ListValueImpl::Store(size_t index, std::unique_ptr<Node> child) {
  if (!child)
    return false;
  auto& list = node()->list;
  while (list.size() <= index)
    list.push_back(std::make_unique<Node>());
  // Assigning destroys the old child, which invalidates references to it.
  list[index] = std::move(child);
  return true;
}

bool ListValueImpl::IsValid() {
  TreeGuard guard(TreeLock());
  return attached();
}

bool ListValueImpl::IsOwned() {
  TreeGuard guard(TreeLock());
  return attached() && !owns_tree();
}

bool ListValueImpl::IsReadOnly() {
  return read_only();
}

bool ListValueImpl::IsSame(CefRefPtr<CefListValue> that) {
  return CompareWith<ListValueImpl>(that.get(), /*by_content=*/false);
}

bool ListValueImpl::IsEqual(CefRefPtr<CefListValue> that) {
  return CompareWith<ListValueImpl>(that.get(), /*by_content=*/true);
}

CefRefPtr<CefListValue> ListValueImpl::Copy() {
  TreeGuard guard(TreeLock());
  if (!VerifyAttached())
    return nullptr;
  return new ListValueImpl(node()->Clone(), /*read_only=*/false);
}

bool ListValueImpl::SetSize(size_t size) {
  TreeGuard guard(TreeLock());
  if (!VerifyAccess(true))
    return false;
  auto& list = node()->list;
  if (size < list.size())
    list.resize(size);
  while (list.size() < size)
    list.push_back(std::make_unique<Node>());
  return true;
}

size_t ListValueImpl::GetSize() {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? node()->list.size() : 0;
}

bool ListValueImpl::Clear() {
  TreeGuard guard(TreeLock());
  if (!VerifyAccess(true))
    return false;
  node()->list.clear();
  return true;
}

bool ListValueImpl::Remove(size_t index) {
  TreeGuard guard(TreeLock());
  if (!VerifyAccess(true) || index >= node()->list.size())
    return false;
  node()->list.erase(node()->list.begin() + index);
  return true;
}

CefValueType ListValueImpl::GetType(size_t index) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildType(Find(index)) : VTYPE_INVALID;
}

CefRefPtr<CefValue> ListValueImpl::GetValue(size_t index) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildValue(Find(index), read_only()) : nullptr;
}

bool ListValueImpl::GetBool(size_t index) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) && ChildBool(Find(index));
}

int ListValueImpl::GetInt(size_t index) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildInt(Find(index)) : 0;
}

double ListValueImpl::GetDouble(size_t index) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildDouble(Find(index)) : 0;
}

CefString ListValueImpl::GetString(size_t index) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildString(Find(index)) : CefString();
}

CefRefPtr<CefBinaryValue> ListValueImpl::GetBinary(size_t index) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildBinary(Find(index)) : nullptr;
}

CefRefPtr<CefDictionaryValue> ListValueImpl::GetDictionary(size_t index) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildDictionary(Find(index), read_only())
                             : nullptr;
}

CefRefPtr<CefListValue> ListValueImpl::GetList(size_t index) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildList(Find(index), read_only()) : nullptr;
}

bool ListValueImpl::SetValue(size_t index, CefRefPtr<CefValue> value) {
  TreeGuard guard(TreeLock());
  if (!VerifyAccess(true))
    return false;
  ValueImpl* impl = ValueImpl::FromInterface(value.get());
  if (!Store(index, TakeValue(value.get())))
    return false;
  // As in CEF, the value passed in now refers to what was stored.
  impl->RebindTo(Find(index));
  return true;
}

bool ListValueImpl::SetNull(size_t index) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(index, std::make_unique<Node>());
}

bool ListValueImpl::SetBool(size_t index, bool value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(index, MakeBool(value));
}

bool ListValueImpl::SetInt(size_t index, int value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(index, MakeInt(value));
}

bool ListValueImpl::SetDouble(size_t index, double value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(index, MakeDouble(value));
}

bool ListValueImpl::SetString(size_t index, const CefString& value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(index, MakeString(value));
}

bool ListValueImpl::SetBinary(size_t index, CefRefPtr<CefBinaryValue> value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(index, TakeBinary(value.get()));
}

bool ListValueImpl::SetDictionary(size_t index,
                                  CefRefPtr<CefDictionaryValue> value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(index, TakeDictionary(value.get()));
}

bool ListValueImpl::SetList(size_t index, CefRefPtr<CefListValue> value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(index, TakeList(value.get()));
}

}  // namespace values
}  // namespace cefsim

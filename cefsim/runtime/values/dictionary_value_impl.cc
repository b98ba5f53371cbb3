#include "values/dictionary_value_impl.h"

#include "values/child_access.h"
#include "values/value_impl.h"

namespace cefsim {
namespace values {
namespace {

LiveSet<CefDictionaryValue>& Live() {
  static auto* live = new LiveSet<CefDictionaryValue>();
  return *live;
}

// Drops dictionaries that are empty or become empty, at any depth of nested
// dictionaries; lists are left alone, as CEF does.
void RemoveEmptyDictionaries(Node* dict) {
  for (auto it = dict->dict.begin(); it != dict->dict.end();) {
    Node* child = it->second.get();
    if (child->type == VTYPE_DICTIONARY) {
      RemoveEmptyDictionaries(child);
      if (child->dict.empty()) {
        it = dict->dict.erase(it);
        continue;
      }
    }
    ++it;
  }
}

}  // namespace

DictionaryValueImpl::DictionaryValueImpl(std::unique_ptr<Node> root,
                                         bool read_only)
    : NodeHandle(std::move(root), read_only) {
  TreeGuard guard(TreeLock());
  Live().Add(this);
}

DictionaryValueImpl::DictionaryValueImpl(Node* node, bool read_only)
    : NodeHandle(node, read_only) {
  TreeGuard guard(TreeLock());
  Live().Add(this);
}

DictionaryValueImpl::~DictionaryValueImpl() {
  TreeGuard guard(TreeLock());
  Live().Remove(this);
}

DictionaryValueImpl* DictionaryValueImpl::FromInterface(
    CefDictionaryValue* object) {
  TreeGuard guard(TreeLock());
  return Live().Contains(object) ? static_cast<DictionaryValueImpl*>(object)
                                 : nullptr;
}

std::unique_ptr<Node> DictionaryValueImpl::TakeForContainer() {
  if (!VerifyAttached())
    return nullptr;
  return CopyOrDetach();
}

Node* DictionaryValueImpl::Find(const CefString& key) {
  auto it = node()->dict.find(ToWide(key));
  return it == node()->dict.end() ? nullptr : it->second.get();
}

bool DictionaryValueImpl::Store(const CefString& key,
                                std::unique_ptr<Node> child) {
  if (!child)
    return false;
  const std::wstring wide_key = ToWide(key);
  // Erase first: destroying the old child invalidates references to it.
  node()->dict.erase(wide_key);
  node()->dict.emplace(wide_key, std::move(child));
  return true;
}

bool DictionaryValueImpl::IsValid() {
  TreeGuard guard(TreeLock());
  return attached();
}

bool DictionaryValueImpl::IsOwned() {
  TreeGuard guard(TreeLock());
  return attached() && !owns_tree();
}

bool DictionaryValueImpl::IsReadOnly() {
  return read_only();
}

bool DictionaryValueImpl::IsSame(CefRefPtr<CefDictionaryValue> that) {
  return CompareWith<DictionaryValueImpl>(that.get(), /*by_content=*/false);
}

bool DictionaryValueImpl::IsEqual(CefRefPtr<CefDictionaryValue> that) {
  return CompareWith<DictionaryValueImpl>(that.get(), /*by_content=*/true);
}

CefRefPtr<CefDictionaryValue> DictionaryValueImpl::Copy(
    bool exclude_empty_children) {
  TreeGuard guard(TreeLock());
  if (!VerifyAttached())
    return nullptr;
  std::unique_ptr<Node> copy = node()->Clone();
  if (exclude_empty_children)
    RemoveEmptyDictionaries(copy.get());
  return new DictionaryValueImpl(std::move(copy), /*read_only=*/false);
}

size_t DictionaryValueImpl::GetSize() {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? node()->dict.size() : 0;
}

bool DictionaryValueImpl::Clear() {
  TreeGuard guard(TreeLock());
  if (!VerifyAccess(true))
    return false;
  node()->dict.clear();
  return true;
}

bool DictionaryValueImpl::HasKey(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) && Find(key);
}

bool DictionaryValueImpl::GetKeys(KeyList& keys) {
  TreeGuard guard(TreeLock());
  if (!VerifyAccess(false))
    return false;
  for (const auto& entry : node()->dict)
    keys.push_back(FromWide(entry.first));
  return true;
}

bool DictionaryValueImpl::Remove(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && node()->dict.erase(ToWide(key)) > 0;
}

CefValueType DictionaryValueImpl::GetType(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildType(Find(key)) : VTYPE_INVALID;
}

CefRefPtr<CefValue> DictionaryValueImpl::GetValue(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildValue(Find(key), read_only()) : nullptr;
}

bool DictionaryValueImpl::GetBool(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) && ChildBool(Find(key));
}

int DictionaryValueImpl::GetInt(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildInt(Find(key)) : 0;
}

double DictionaryValueImpl::GetDouble(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildDouble(Find(key)) : 0;
}

CefString DictionaryValueImpl::GetString(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildString(Find(key)) : CefString();
}

CefRefPtr<CefBinaryValue> DictionaryValueImpl::GetBinary(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildBinary(Find(key)) : nullptr;
}

CefRefPtr<CefDictionaryValue> DictionaryValueImpl::GetDictionary(
    const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildDictionary(Find(key), read_only())
                             : nullptr;
}

CefRefPtr<CefListValue> DictionaryValueImpl::GetList(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(false) ? ChildList(Find(key), read_only()) : nullptr;
}

bool DictionaryValueImpl::SetValue(const CefString& key,
                                   CefRefPtr<CefValue> value) {
  TreeGuard guard(TreeLock());
  if (!VerifyAccess(true))
    return false;
  ValueImpl* impl = ValueImpl::FromInterface(value.get());
  if (!Store(key, TakeValue(value.get())))
    return false;
  // As in CEF, the value passed in now refers to what was stored.
  impl->RebindTo(Find(key));
  return true;
}

bool DictionaryValueImpl::SetNull(const CefString& key) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(key, std::make_unique<Node>());
}

bool DictionaryValueImpl::SetBool(const CefString& key, bool value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(key, MakeBool(value));
}

bool DictionaryValueImpl::SetInt(const CefString& key, int value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(key, MakeInt(value));
}

bool DictionaryValueImpl::SetDouble(const CefString& key, double value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(key, MakeDouble(value));
}

bool DictionaryValueImpl::SetString(const CefString& key,
                                    const CefString& value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(key, MakeString(value));
}

bool DictionaryValueImpl::SetBinary(const CefString& key,
                                    CefRefPtr<CefBinaryValue> value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(key, TakeBinary(value.get()));
}

bool DictionaryValueImpl::SetDictionary(const CefString& key,
                                        CefRefPtr<CefDictionaryValue> value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(key, TakeDictionary(value.get()));
}

bool DictionaryValueImpl::SetList(const CefString& key,
                                  CefRefPtr<CefListValue> value) {
  TreeGuard guard(TreeLock());
  return VerifyAccess(true) && Store(key, TakeList(value.get()));
}

}  // namespace values
}  // namespace cefsim

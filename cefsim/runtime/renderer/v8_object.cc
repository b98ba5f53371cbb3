#include "renderer/v8_object.h"

#include <algorithm>

namespace cefsim {
namespace renderer {
namespace {

bool IsReadOnly(cef_v8_propertyattribute_t attributes) {
  return (attributes & V8_PROPERTY_ATTRIBUTE_READONLY) != 0;
}

bool IsConfigurable(cef_v8_propertyattribute_t attributes) {
  return (attributes & V8_PROPERTY_ATTRIBUTE_DONTDELETE) == 0;
}

bool IsEnumerable(cef_v8_propertyattribute_t attributes) {
  return (attributes & V8_PROPERTY_ATTRIBUTE_DONTENUM) == 0;
}

}  // namespace

bool ParseArrayIndex(const std::wstring& key, uint32_t* index) {
  if (key.empty() || key.size() > 10 || (key.size() > 1 && key[0] == L'0'))
    return false;
  uint64_t value = 0;
  for (wchar_t c : key) {
    if (c < L'0' || c > L'9')
      return false;
    value = value * 10 + static_cast<uint64_t>(c - L'0');
  }
  if (value >= 0xFFFFFFFFull)
    return false;
  *index = static_cast<uint32_t>(value);
  return true;
}

ObjectData::ObjectData(Kind kind, ContextState* context, bool user_created)
    : kind_(kind), context_(context), user_created_(user_created) {}

ObjectData::~ObjectData() = default;

ObjectData::Slot* ObjectData::Find(const std::wstring& key) {
  return const_cast<Slot*>(static_cast<const ObjectData*>(this)->Find(key));
}

const ObjectData::Slot* ObjectData::Find(const std::wstring& key) const {
  uint32_t index = 0;
  if (ParseArrayIndex(key, &index)) {
    auto it = indexed_.find(index);
    return it == indexed_.end() ? nullptr : &it->second;
  }
  for (const auto& entry : named_) {
    if (entry.first == key)
      return &entry.second;
  }
  return nullptr;
}

ObjectData::Slot* ObjectData::Add(const std::wstring& key) {
  uint32_t index = 0;
  if (ParseArrayIndex(key, &index)) {
    if (kind_ == Kind::kArray)
      array_length_ = std::max(array_length_, index + 1);
    return &indexed_[index];
  }
  named_.emplace_back(key, Slot());
  return &named_.back().second;
}

bool ObjectData::Assign(Slot* slot, const Datum& value) {
  if (IsReadOnly(slot->attributes))
    return false;
  slot->value = AsStored(value);
  return true;
}

bool ObjectData::Has(const std::wstring& key) const {
  return Find(key) != nullptr;
}

Datum ObjectData::Get(const std::wstring& key) const {
  const Slot* slot = Find(key);
  return slot ? slot->value : Datum::Undefined();
}

bool ObjectData::Set(const std::wstring& key, const Datum& value) {
  Slot* slot = Find(key);
  return Assign(slot ? slot : Add(key), value);
}

bool ObjectData::Define(const std::wstring& key,
                        const Datum& value,
                        cef_v8_propertyattribute_t attributes) {
  Slot* slot = Find(key);
  if (slot && !IsConfigurable(slot->attributes)) {
    // Only a no-op redefinition of a fixed property succeeds.
    if (slot->attributes != attributes ||
        (IsReadOnly(attributes) && !SameValue(slot->value, value))) {
      return false;
    }
  }
  if (!slot)
    slot = Add(key);
  slot->value = AsStored(value);
  slot->attributes = attributes;
  return true;
}

bool ObjectData::Delete(const std::wstring& key) {
  uint32_t index = 0;
  if (ParseArrayIndex(key, &index))
    return DeleteIndex(index);
  for (auto it = named_.begin(); it != named_.end(); ++it) {
    if (it->first == key) {
      if (!IsConfigurable(it->second.attributes))
        return false;
      named_.erase(it);
      return true;
    }
  }
  return true;
}

bool ObjectData::HasIndex(uint32_t index) const {
  return indexed_.count(index) != 0;
}

Datum ObjectData::GetIndex(uint32_t index) const {
  auto it = indexed_.find(index);
  return it == indexed_.end() ? Datum::Undefined() : it->second.value;
}

bool ObjectData::SetIndex(uint32_t index, const Datum& value) {
  auto it = indexed_.find(index);
  if (it != indexed_.end())
    return Assign(&it->second, value);
  if (kind_ == Kind::kArray)
    array_length_ = std::max(array_length_, index + 1);
  indexed_[index].value = AsStored(value);
  return true;
}

bool ObjectData::DeleteIndex(uint32_t index) {
  auto it = indexed_.find(index);
  if (it == indexed_.end())
    return true;
  if (!IsConfigurable(it->second.attributes))
    return false;
  // Deleting leaves an array's length as it was.
  indexed_.erase(it);
  return true;
}

std::vector<std::wstring> ObjectData::Keys() const {
  std::vector<std::wstring> keys;
  for (const auto& entry : indexed_) {
    if (IsEnumerable(entry.second.attributes))
      keys.push_back(std::to_wstring(entry.first));
  }
  for (const auto& entry : named_) {
    if (IsEnumerable(entry.second.attributes))
      keys.push_back(entry.first);
  }
  return keys;
}

void ObjectData::SetFunction(const std::wstring& name,
                             CefRefPtr<CefV8Handler> handler) {
  function_name_ = name;
  handler_ = handler;
}

int ObjectData::AdjustExternalMemory(int change) {
  external_memory_ += change;
  return external_memory_;
}

void ObjectData::Detach() {
  context_ = nullptr;
  // Moved out first: releasing a value may release objects that point back
  // here.
  std::map<uint32_t, Slot> indexed = std::move(indexed_);
  std::vector<std::pair<std::wstring, Slot>> named = std::move(named_);
  CefRefPtr<CefV8Handler> handler = std::move(handler_);
  CefRefPtr<CefBaseRefCounted> user_data = std::move(user_data_);
  indexed_.clear();
  named_.clear();
}

}  // namespace renderer
}  // namespace cefsim

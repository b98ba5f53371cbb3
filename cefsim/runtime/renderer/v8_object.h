// An object of the simulated V8 heap: its properties (named ones in the
// order they were added, index ones in ascending order, as V8 lists them),
// and what CEF attaches to objects it creates (function handler, user data,
// externally allocated memory).
#ifndef CEFSIM_RUNTIME_RENDERER_V8_OBJECT_H_
#define CEFSIM_RUNTIME_RENDERER_V8_OBJECT_H_

#include <stdint.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "include/cef_v8.h"
#include "renderer/v8_datum.h"

namespace cefsim {
namespace renderer {

class ContextState;

class ObjectData : public CefBaseRefCounted {
 public:
  enum class Kind { kPlain, kArray, kFunction };

  // |context| (borrowed) is the context the object is created in; it owns
  // the object's contents until it is released (see ContextState).
  ObjectData(Kind kind, ContextState* context, bool user_created);
  ObjectData(const ObjectData&) = delete;
  ObjectData& operator=(const ObjectData&) = delete;

  Kind kind() const { return kind_; }
  // The creation context, null once that context was released.
  ContextState* context() const { return context_; }
  // Objects made through CefV8Value::Create* (CEF's tracked objects).
  bool user_created() const { return user_created_; }

  // Property access by name; a name that spells an array index ("0", "17")
  // is that index, as in JavaScript.
  bool Has(const std::wstring& key) const;
  Datum Get(const std::wstring& key) const;
  // Assignment: false (and no change) for a read-only property.
  bool Set(const std::wstring& key, const Datum& value);
  // Definition with |attributes|: false when a non-configurable property
  // forbids it.
  bool Define(const std::wstring& key,
              const Datum& value,
              cef_v8_propertyattribute_t attributes);
  // False for a non-configurable property; true otherwise (also when there
  // was nothing to delete).
  bool Delete(const std::wstring& key);

  bool HasIndex(uint32_t index) const;
  Datum GetIndex(uint32_t index) const;
  bool SetIndex(uint32_t index, const Datum& value);
  bool DeleteIndex(uint32_t index);

  // Enumerable keys: indices first, then names.
  std::vector<std::wstring> Keys() const;

  // Arrays: one more than the highest index ever set, at least the length
  // given at creation.
  uint32_t array_length() const { return array_length_; }
  void set_array_length(uint32_t length) { array_length_ = length; }

  const std::wstring& function_name() const { return function_name_; }
  CefRefPtr<CefV8Handler> handler() const { return handler_; }
  void SetFunction(const std::wstring& name, CefRefPtr<CefV8Handler> handler);

  CefRefPtr<CefBaseRefCounted> user_data() const { return user_data_; }
  void set_user_data(CefRefPtr<CefBaseRefCounted> data) { user_data_ = data; }
  int external_memory() const { return external_memory_; }
  int AdjustExternalMemory(int change);

  // The context went away: drops every property, the handler and the user
  // data (which also breaks reference cycles through them).
  void Detach();

 private:
  struct Slot {
    Datum value;
    cef_v8_propertyattribute_t attributes = V8_PROPERTY_ATTRIBUTE_NONE;
  };

  ~ObjectData() override;

  Slot* Find(const std::wstring& key);
  const Slot* Find(const std::wstring& key) const;
  Slot* Add(const std::wstring& key);
  bool Assign(Slot* slot, const Datum& value);

  const Kind kind_;
  ContextState* context_;  // Not owned; cleared by Detach().
  const bool user_created_;

  std::map<uint32_t, Slot> indexed_;
  std::vector<std::pair<std::wstring, Slot>> named_;
  uint32_t array_length_ = 0;

  std::wstring function_name_;
  CefRefPtr<CefV8Handler> handler_;
  CefRefPtr<CefBaseRefCounted> user_data_;
  int external_memory_ = 0;

  IMPLEMENT_REFCOUNTING(ObjectData);
};

// Whether |key| spells an array index (no sign, no leading zero, below
// 2^32 - 1), and which.
bool ParseArrayIndex(const std::wstring& key, uint32_t* index);

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_V8_OBJECT_H_

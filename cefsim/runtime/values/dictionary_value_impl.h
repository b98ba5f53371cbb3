// CefDictionaryValue of the runtime.
#ifndef CEFSIM_RUNTIME_VALUES_DICTIONARY_VALUE_IMPL_H_
#define CEFSIM_RUNTIME_VALUES_DICTIONARY_VALUE_IMPL_H_

#include "include/cef_values.h"
#include "values/value_tree.h"

namespace cefsim {
namespace values {

class DictionaryValueImpl : public CefDictionaryValue, public NodeHandle {
 public:
  // A new dictionary owning |root| (a VTYPE_DICTIONARY node).
  DictionaryValueImpl(std::unique_ptr<Node> root, bool read_only);
  // A reference to |node| inside another tree.
  DictionaryValueImpl(Node* node, bool read_only);

  // |object| as ours, or null when it is not one of ours.
  static DictionaryValueImpl* FromInterface(CefDictionaryValue* object);

  // What storing this dictionary in a container stores. Caller holds
  // TreeLock().
  std::unique_ptr<Node> TakeForContainer();

  // CefDictionaryValue:
  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(CefRefPtr<CefDictionaryValue> that) override;
  bool IsEqual(CefRefPtr<CefDictionaryValue> that) override;
  CefRefPtr<CefDictionaryValue> Copy(bool exclude_empty_children) override;
  size_t GetSize() override;
  bool Clear() override;
  bool HasKey(const CefString& key) override;
  bool GetKeys(KeyList& keys) override;
  bool Remove(const CefString& key) override;
  CefValueType GetType(const CefString& key) override;
  CefRefPtr<CefValue> GetValue(const CefString& key) override;
  bool GetBool(const CefString& key) override;
  int GetInt(const CefString& key) override;
  double GetDouble(const CefString& key) override;
  CefString GetString(const CefString& key) override;
  CefRefPtr<CefBinaryValue> GetBinary(const CefString& key) override;
  CefRefPtr<CefDictionaryValue> GetDictionary(const CefString& key) override;
  CefRefPtr<CefListValue> GetList(const CefString& key) override;
  bool SetValue(const CefString& key, CefRefPtr<CefValue> value) override;
  bool SetNull(const CefString& key) override;
  bool SetBool(const CefString& key, bool value) override;
  bool SetInt(const CefString& key, int value) override;
  bool SetDouble(const CefString& key, double value) override;
  bool SetString(const CefString& key, const CefString& value) override;
  bool SetBinary(const CefString& key,
                 CefRefPtr<CefBinaryValue> value) override;
  bool SetDictionary(const CefString& key,
                     CefRefPtr<CefDictionaryValue> value) override;
  bool SetList(const CefString& key, CefRefPtr<CefListValue> value) override;

 private:
  ~DictionaryValueImpl() override;

  // The child under |key|, or null. Caller holds TreeLock() and has verified
  // access.
  Node* Find(const CefString& key);
  // Replaces whatever is under |key| with |child| (a null child is refused).
  // Caller holds TreeLock() and has verified access for modification.
  bool Store(const CefString& key, std::unique_ptr<Node> child);

  IMPLEMENT_REFCOUNTING(DictionaryValueImpl);
};

}  // namespace values
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_VALUES_DICTIONARY_VALUE_IMPL_H_

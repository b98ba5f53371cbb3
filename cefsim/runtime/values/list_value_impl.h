// CefListValue of the runtime.
#ifndef CEFSIM_RUNTIME_VALUES_LIST_VALUE_IMPL_H_
#define CEFSIM_RUNTIME_VALUES_LIST_VALUE_IMPL_H_

#include "include/cef_values.h"
#include "values/value_tree.h"

namespace cefsim {
namespace values {

class ListValueImpl : public CefListValue, public NodeHandle {
 public:
  // A new list owning |root| (a VTYPE_LIST node).
  ListValueImpl(std::unique_ptr<Node> root, bool read_only);
  // A reference to |node| inside another tree.
  ListValueImpl(Node* node, bool read_only);

  // |object| as ours, or null when it is not one of ours.
  static ListValueImpl* FromInterface(CefListValue* object);

  // What storing this list in a container stores. Caller holds
  // TreeLock().
  std::unique_ptr<Node> TakeForContainer();

  // CefListValue:
  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(CefRefPtr<CefListValue> that) override;
  bool IsEqual(CefRefPtr<CefListValue> that) override;
  CefRefPtr<CefListValue> Copy() override;
  bool SetSize(size_t size) override;
  size_t GetSize() override;
  bool Clear() override;
  bool Remove(size_t index) override;
  CefValueType GetType(size_t index) override;
  CefRefPtr<CefValue> GetValue(size_t index) override;
  bool GetBool(size_t index) override;
  int GetInt(size_t index) override;
  double GetDouble(size_t index) override;
  CefString GetString(size_t index) override;
  CefRefPtr<CefBinaryValue> GetBinary(size_t index) override;
  CefRefPtr<CefDictionaryValue> GetDictionary(size_t index) override;
  CefRefPtr<CefListValue> GetList(size_t index) override;
  bool SetValue(size_t index, CefRefPtr<CefValue> value) override;
  bool SetNull(size_t index) override;
  bool SetBool(size_t index, bool value) override;
  bool SetInt(size_t index, int value) override;
  bool SetDouble(size_t index, double value) override;
  bool SetString(size_t index, const CefString& value) override;
  bool SetBinary(size_t index, CefRefPtr<CefBinaryValue> value) override;
  bool SetDictionary(size_t index,
                     CefRefPtr<CefDictionaryValue> value) override;
  bool SetList(size_t index, CefRefPtr<CefListValue> value) override;

 private:
  ~ListValueImpl() override;

  // The child at |index|, or null. Caller holds TreeLock() and has verified
  // access.
  Node* Find(size_t index);
  // Puts |child| at |index|, growing the list with nulls when needed (a null
  // child is refused). Caller holds TreeLock() and has verified access for
  // modification.
  bool Store(size_t index, std::unique_ptr<Node> child);

  IMPLEMENT_REFCOUNTING(ListValueImpl);
};

}  // namespace values
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_VALUES_LIST_VALUE_IMPL_H_

// CefValue of the runtime: a simple value of its own, or one of the
// container objects (binary, dictionary, list) it wraps, as in CEF.
#ifndef CEFSIM_RUNTIME_VALUES_VALUE_IMPL_H_
#define CEFSIM_RUNTIME_VALUES_VALUE_IMPL_H_

#include "include/cef_values.h"
#include "values/value_tree.h"

namespace cefsim {
namespace values {

class ValueImpl : public CefValue {
 public:
  // A null value.
  ValueImpl();

  // The value a container hands out for |child|: a reference for binaries
  // and containers, a copy for simple values. Caller holds TreeLock().
  static CefRefPtr<CefValue> ForChild(Node* child, bool read_only);

  // |object| as ours, or null when it is not one of ours.
  static ValueImpl* FromInterface(CefValue* object);

  // What storing this value in a container stores. Caller holds TreeLock().
  std::unique_ptr<Node> TakeForContainer();
  // After a container stored this value as |stored|: a wrapped container now
  // refers to the stored one. Caller holds TreeLock().
  void RebindTo(Node* stored);

  // CefValue:
  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(CefRefPtr<CefValue> that) override;
  bool IsEqual(CefRefPtr<CefValue> that) override;
  CefRefPtr<CefValue> Copy() override;
  CefValueType GetType() override;
  bool GetBool() override;
  int GetInt() override;
  double GetDouble() override;
  CefString GetString() override;
  CefRefPtr<CefBinaryValue> GetBinary() override;
  CefRefPtr<CefDictionaryValue> GetDictionary() override;
  CefRefPtr<CefListValue> GetList() override;
  bool SetNull() override;
  bool SetBool(bool value) override;
  bool SetInt(int value) override;
  bool SetDouble(double value) override;
  bool SetString(const CefString& value) override;
  bool SetBinary(CefRefPtr<CefBinaryValue> value) override;
  bool SetDictionary(CefRefPtr<CefDictionaryValue> value) override;
  bool SetList(CefRefPtr<CefListValue> value) override;

 private:
  ~ValueImpl() override;

  // Replaces what this value holds by |simple| (may be null).
  void SetSimple(std::unique_ptr<Node> simple);

  // At most one of these is set; all are guarded by TreeLock().
  std::unique_ptr<Node> simple_;  // Null, bool, int, double or string.
  CefRefPtr<CefBinaryValue> binary_;
  CefRefPtr<CefDictionaryValue> dictionary_;
  CefRefPtr<CefListValue> list_;

  IMPLEMENT_REFCOUNTING(ValueImpl);
};

}  // namespace values
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_VALUES_VALUE_IMPL_H_

// CefBinaryValue of the runtime. Binary values are always read-only.
#ifndef CEFSIM_RUNTIME_VALUES_BINARY_VALUE_IMPL_H_
#define CEFSIM_RUNTIME_VALUES_BINARY_VALUE_IMPL_H_

#include "include/cef_values.h"
#include "values/value_tree.h"

namespace cefsim {
namespace values {

class BinaryValueImpl : public CefBinaryValue, public NodeHandle {
 public:
  // A new value owning |root| (a VTYPE_BINARY node).
  explicit BinaryValueImpl(std::unique_ptr<Node> root);
  // A reference to |node| inside another tree.
  explicit BinaryValueImpl(Node* node);

  // |object| as ours, or null when it is not one of ours. Caller holds
  // TreeLock() for as long as it uses the result.
  static BinaryValueImpl* FromInterface(CefBinaryValue* object);

  // What storing this value in a container stores. Caller holds TreeLock().
  std::unique_ptr<Node> TakeForContainer();

  // CefBinaryValue:
  bool IsValid() override;
  bool IsOwned() override;
  bool IsSame(CefRefPtr<CefBinaryValue> that) override;
  bool IsEqual(CefRefPtr<CefBinaryValue> that) override;
  CefRefPtr<CefBinaryValue> Copy() override;
  size_t GetSize() override;
  size_t GetData(void* buffer, size_t buffer_size, size_t data_offset) override;

 private:
  ~BinaryValueImpl() override;

  IMPLEMENT_REFCOUNTING(BinaryValueImpl);
};

}  // namespace values
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_VALUES_BINARY_VALUE_IMPL_H_

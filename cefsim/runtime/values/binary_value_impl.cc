#include "values/binary_value_impl.h"

#include <algorithm>
#include <cstring>

#include "diagnostics/records.h"

namespace cefsim {
namespace values {
namespace {

LiveSet<CefBinaryValue>& Live() {
  static auto* live = new LiveSet<CefBinaryValue>();
  return *live;
}

}  // namespace

BinaryValueImpl::BinaryValueImpl(std::unique_ptr<Node> root)
    : NodeHandle(std::move(root), /*read_only=*/true) {
  TreeGuard guard(TreeLock());
  Live().Add(this);
}

BinaryValueImpl::BinaryValueImpl(Node* node)
    : NodeHandle(node, /*read_only=*/true) {
  TreeGuard guard(TreeLock());
  Live().Add(this);
}

BinaryValueImpl::~BinaryValueImpl() {
  TreeGuard guard(TreeLock());
  Live().Remove(this);
}

BinaryValueImpl* BinaryValueImpl::FromInterface(CefBinaryValue* object) {
  TreeGuard guard(TreeLock());
  return Live().Contains(object) ? static_cast<BinaryValueImpl*>(object)
                                 : nullptr;
}

std::unique_ptr<Node> BinaryValueImpl::TakeForContainer() {
  if (!VerifyAttached())
    return nullptr;
  return CopyOrDetach();
}

bool BinaryValueImpl::IsValid() {
  TreeGuard guard(TreeLock());
  return attached();
}

bool BinaryValueImpl::IsOwned() {
  TreeGuard guard(TreeLock());
  return attached() && !owns_tree();
}

bool BinaryValueImpl::IsSame(CefRefPtr<CefBinaryValue> that) {
  return CompareWith<BinaryValueImpl>(that.get(), /*by_content=*/false);
}

bool BinaryValueImpl::IsEqual(CefRefPtr<CefBinaryValue> that) {
  return CompareWith<BinaryValueImpl>(that.get(), /*by_content=*/true);
}

CefRefPtr<CefBinaryValue> BinaryValueImpl::Copy() {
  TreeGuard guard(TreeLock());
  if (!VerifyAttached())
    return nullptr;
  return new BinaryValueImpl(node()->Clone());
}

size_t BinaryValueImpl::GetSize() {
  TreeGuard guard(TreeLock());
  if (!VerifyAttached())
    return 0;
  return node()->binary_value.size();
}

size_t BinaryValueImpl::GetData(void* buffer,
                                size_t buffer_size,
                                size_t data_offset) {
  if (!buffer || buffer_size == 0) {
    ReportViolation("CefBinaryValue::GetData without a buffer");
    return 0;
  }
  TreeGuard guard(TreeLock());
  if (!VerifyAttached())
    return 0;
  const std::vector<uint8_t>& data = node()->binary_value;
  if (data_offset >= data.size()) {
    ReportViolation("CefBinaryValue::GetData offset beyond the data");
    return 0;
  }
  const size_t count = std::min(buffer_size, data.size() - data_offset);
  std::memcpy(buffer, data.data() + data_offset, count);
  return count;
}

}  // namespace values
}  // namespace cefsim

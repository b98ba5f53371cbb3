#include "values/process_message_impl.h"

#include "diagnostics/records.h"
#include "values/list_value_impl.h"

namespace cefsim {
namespace values {
namespace {

LiveSet<CefProcessMessage>& Live() {
  static auto* live = new LiveSet<CefProcessMessage>();
  return *live;
}

}  // namespace

ProcessMessageImpl::ProcessMessageImpl(const std::wstring& name)
    : ProcessMessageImpl(name,
                         std::make_unique<Node>(VTYPE_LIST),
                         /*read_only=*/false) {}

ProcessMessageImpl::ProcessMessageImpl(const std::wstring& name,
                                       std::unique_ptr<Node> arguments,
                                       bool read_only)
    : name_(name),
      arguments_(new ListValueImpl(std::move(arguments), read_only)) {
  if (name_.empty())
    ReportViolation("CefProcessMessage created without a name");
  TreeGuard guard(TreeLock());
  Live().Add(this);
}

ProcessMessageImpl::~ProcessMessageImpl() {
  TreeGuard guard(TreeLock());
  Live().Remove(this);
}

ProcessMessageImpl* ProcessMessageImpl::FromInterface(
    CefProcessMessage* object) {
  TreeGuard guard(TreeLock());
  return Live().Contains(object) ? static_cast<ProcessMessageImpl*>(object)
                                 : nullptr;
}

std::unique_ptr<Node> ProcessMessageImpl::TakeArguments() {
  TreeGuard guard(TreeLock());
  if (!arguments_->IsValid())
    return nullptr;
  return static_cast<ListValueImpl*>(arguments_.get())->TakeForContainer();
}

bool ProcessMessageImpl::IsValid() {
  return arguments_->IsValid();
}

bool ProcessMessageImpl::IsReadOnly() {
  return arguments_->IsReadOnly();
}

CefRefPtr<CefProcessMessage> ProcessMessageImpl::Copy() {
  TreeGuard guard(TreeLock());
  if (!IsValid())
    return nullptr;
  CefRefPtr<ProcessMessageImpl> copy = new ProcessMessageImpl(name_);
  // A copy is writable even when the original arrived read-only.
  CefRefPtr<CefListValue> arguments = arguments_->Copy();
  copy->arguments_ = arguments;
  return copy.get();
}

CefString ProcessMessageImpl::GetName() {
  return FromWide(name_);
}

CefRefPtr<CefListValue> ProcessMessageImpl::GetArgumentList() {
  return arguments_;
}

CefRefPtr<CefSharedMemoryRegion> ProcessMessageImpl::GetSharedMemoryRegion() {
  return nullptr;
}

}  // namespace values
}  // namespace cefsim

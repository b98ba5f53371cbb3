// CefProcessMessage with an argument list, as CEF sends most messages.
#ifndef CEFSIM_RUNTIME_VALUES_PROCESS_MESSAGE_IMPL_H_
#define CEFSIM_RUNTIME_VALUES_PROCESS_MESSAGE_IMPL_H_

#include <memory>
#include <string>

#include "diagnostics/object_counts.h"
#include "include/cef_process_message.h"
#include "values/value_tree.h"

namespace cefsim {
namespace values {

class ProcessMessageImpl : public CefProcessMessage {
 public:
  // A new, writable message with an empty argument list.
  explicit ProcessMessageImpl(const std::wstring& name);
  // A message that arrived from another process: |arguments| (a VTYPE_LIST
  // node) is read-only, as CEF delivers it.
  ProcessMessageImpl(const std::wstring& name,
                     std::unique_ptr<Node> arguments,
                     bool read_only);

  // |object| as ours, or null when it is not one of ours.
  static ProcessMessageImpl* FromInterface(CefProcessMessage* object);

  // Sending takes the arguments out: the message is invalid afterwards.
  // Null when the message was already invalid.
  std::unique_ptr<Node> TakeArguments();

  // CefProcessMessage:
  bool IsValid() override;
  bool IsReadOnly() override;
  CefRefPtr<CefProcessMessage> Copy() override;
  CefString GetName() override;
  CefRefPtr<CefListValue> GetArgumentList() override;
  CefRefPtr<CefSharedMemoryRegion> GetSharedMemoryRegion() override;

 private:
  ~ProcessMessageImpl() override;

  const std::wstring name_;
  CefRefPtr<CefListValue> arguments_;  // Always our ListValueImpl.

  const LiveObjectCounter live_{CountedKind::kProcessMessage};

  IMPLEMENT_REFCOUNTING(ProcessMessageImpl);
};

}  // namespace values
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_VALUES_PROCESS_MESSAGE_IMPL_H_

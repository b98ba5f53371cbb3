// Process messages whose payload is a block of shared memory, built with
// CefSharedProcessMessageBuilder. The memory is a pagefile-backed file
// mapping, so the handle can be duplicated into another process.
#ifndef CEFSIM_RUNTIME_VALUES_SHARED_MEMORY_MESSAGE_H_
#define CEFSIM_RUNTIME_VALUES_SHARED_MEMORY_MESSAGE_H_

#include <windows.h>

#include <string>

#include "diagnostics/object_counts.h"
#include "include/cef_process_message.h"
#include "include/cef_shared_memory_region.h"
#include "include/cef_shared_process_message_builder.h"

namespace cefsim {
namespace values {

// A read-only view of a mapping; unmapped when released.
class SharedMemoryRegionImpl : public CefSharedMemoryRegion {
 public:
  // Maps |mapping| (borrowed) for reading; invalid when that fails.
  SharedMemoryRegionImpl(HANDLE mapping, size_t size);

  bool IsValid() override;
  size_t Size() override;
  const void* Memory() override;

 private:
  ~SharedMemoryRegionImpl() override;

  const void* view_;  // Owned: unmapped in the destructor.
  const size_t size_;

  IMPLEMENT_REFCOUNTING(SharedMemoryRegionImpl);
};

class SharedMemoryMessage : public CefProcessMessage {
 public:
  // Takes ownership of |mapping|, a mapping of |size| bytes.
  SharedMemoryMessage(const std::wstring& name, HANDLE mapping, size_t size);

  // |object| as ours, or null when it is not one of ours.
  static SharedMemoryMessage* FromInterface(CefProcessMessage* object);

  // Sending takes the mapping out: the message is invalid afterwards. The
  // caller owns the returned handle (null when already taken).
  HANDLE TakeMapping();
  size_t size() const { return size_; }

  // CefProcessMessage:
  bool IsValid() override;
  bool IsReadOnly() override;
  CefRefPtr<CefProcessMessage> Copy() override;
  CefString GetName() override;
  CefRefPtr<CefListValue> GetArgumentList() override;
  CefRefPtr<CefSharedMemoryRegion> GetSharedMemoryRegion() override;

 private:
  ~SharedMemoryMessage() override;

  const std::wstring name_;
  HANDLE mapping_;  // Owned; guarded by TreeLock().
  const size_t size_;

  const LiveObjectCounter live_{CountedKind::kProcessMessage};

  IMPLEMENT_REFCOUNTING(SharedMemoryMessage);
};

class SharedProcessMessageBuilderImpl : public CefSharedProcessMessageBuilder {
 public:
  SharedProcessMessageBuilderImpl(const std::wstring& name, size_t byte_size);

  bool IsValid() override;
  size_t Size() override;
  void* Memory() override;
  CefRefPtr<CefProcessMessage> Build() override;

 private:
  ~SharedProcessMessageBuilderImpl() override;

  const std::wstring name_;
  const size_t size_;
  HANDLE mapping_;  // Owned until Build() hands it to the message.
  void* view_;      // Owned: a writable view, unmapped by Build() or here.

  IMPLEMENT_REFCOUNTING(SharedProcessMessageBuilderImpl);
};

}  // namespace values
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_VALUES_SHARED_MEMORY_MESSAGE_H_

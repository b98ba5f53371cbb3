#include "values/shared_memory_message.h"

#include "diagnostics/records.h"
#include "values/value_tree.h"

namespace cefsim {
namespace values {
namespace {

LiveSet<CefProcessMessage>& Live() {
  static auto* live = new LiveSet<CefProcessMessage>();
  return *live;
}

}  // namespace

SharedMemoryRegionImpl::SharedMemoryRegionImpl(HANDLE mapping, size_t size)
    : view_(mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, size)
                    : nullptr),
      size_(size) {}

SharedMemoryRegionImpl::~SharedMemoryRegionImpl() {
  if (view_)
    UnmapViewOfFile(view_);
}

bool SharedMemoryRegionImpl::IsValid() {
  return view_ != nullptr;
}

size_t SharedMemoryRegionImpl::Size() {
  return view_ ? size_ : 0;
}

const void* SharedMemoryRegionImpl::Memory() {
  return view_;
}

SharedMemoryMessage::SharedMemoryMessage(const std::wstring& name,
                                         HANDLE mapping,
                                         size_t size)
    : name_(name), mapping_(mapping), size_(size) {
  TreeGuard guard(TreeLock());
  Live().Add(this);
}

SharedMemoryMessage::~SharedMemoryMessage() {
  TreeGuard guard(TreeLock());
  Live().Remove(this);
  if (mapping_)
    CloseHandle(mapping_);
}

SharedMemoryMessage* SharedMemoryMessage::FromInterface(
    CefProcessMessage* object) {
  TreeGuard guard(TreeLock());
  return Live().Contains(object) ? static_cast<SharedMemoryMessage*>(object)
                                 : nullptr;
}

HANDLE SharedMemoryMessage::TakeMapping() {
  TreeGuard guard(TreeLock());
  HANDLE mapping = mapping_;
  mapping_ = nullptr;
  return mapping;
}

bool SharedMemoryMessage::IsValid() {
  TreeGuard guard(TreeLock());
  return mapping_ != nullptr;
}

// Shared memory is never written through the message.
bool SharedMemoryMessage::IsReadOnly() {
  return true;
}

// CEF does not copy shared-memory messages.
CefRefPtr<CefProcessMessage> SharedMemoryMessage::Copy() {
  return nullptr;
}

CefString SharedMemoryMessage::GetName() {
  return FromWide(name_);
}

CefRefPtr<CefListValue> SharedMemoryMessage::GetArgumentList() {
  return nullptr;
}

CefRefPtr<CefSharedMemoryRegion> SharedMemoryMessage::GetSharedMemoryRegion() {
  TreeGuard guard(TreeLock());
  return new SharedMemoryRegionImpl(mapping_, size_);
}

SharedProcessMessageBuilderImpl::SharedProcessMessageBuilderImpl(
    const std::wstring& name,
    size_t byte_size)
    : name_(name), size_(byte_size), mapping_(nullptr), view_(nullptr) {
  if (name_.empty())
    ReportViolation("CefSharedProcessMessageBuilder created without a name");
  if (byte_size == 0)
    return;
  mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE,
                                0, static_cast<DWORD>(byte_size), nullptr);
  if (mapping_)
    view_ = MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, byte_size);
}

SharedProcessMessageBuilderImpl::~SharedProcessMessageBuilderImpl() {
  if (view_)
    UnmapViewOfFile(view_);
  if (mapping_)
    CloseHandle(mapping_);
}

bool SharedProcessMessageBuilderImpl::IsValid() {
  return mapping_ && view_;
}

size_t SharedProcessMessageBuilderImpl::Size() {
  return IsValid() ? size_ : 0;
}

void* SharedProcessMessageBuilderImpl::Memory() {
  return IsValid() ? view_ : nullptr;
}

CefRefPtr<CefProcessMessage> SharedProcessMessageBuilderImpl::Build() {
  if (!IsValid())
    return nullptr;
  // The builder gives up its memory: it is invalid from now on.
  UnmapViewOfFile(view_);
  view_ = nullptr;
  HANDLE mapping = mapping_;
  mapping_ = nullptr;
  return new SharedMemoryMessage(name_, mapping, size_);
}

}  // namespace values
}  // namespace cefsim

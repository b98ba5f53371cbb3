// cefsim: the CEF 109 declarations of CefProcessMessage.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_MESSAGE_H_
#define CEF_INCLUDE_CEF_MESSAGE_H_
#pragma once

#include "include/cef_base.h"
#include "include/cef_shared_memory_region.h"
#include "include/cef_values.h"

typedef cef_process_id_t CefProcessId;

// A named message with a list of arguments between processes.
class CefProcessMessage : public virtual CefBaseRefCounted {
 public:
  static CefRefPtr<CefProcessMessage> Create(const CefString& name);

  virtual bool IsValid() = 0;

  virtual bool IsReadOnly() = 0;

  virtual CefRefPtr<CefProcessMessage> Copy() = 0;

  virtual CefString GetName() = 0;

  virtual CefRefPtr<CefListValue> GetArgumentList() = 0;

  virtual CefRefPtr<CefSharedMemoryRegion> GetSharedMemoryRegion() = 0;
};

#endif  // CEF_INCLUDE_CEF_MESSAGE_H_

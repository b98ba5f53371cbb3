// cefsim: the CEF 109 declarations of CefSharedMemoryRegion.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_SHARED_MEMORY_REGION_H_
#define CEF_INCLUDE_CEF_SHARED_MEMORY_REGION_H_
#pragma once

#include "include/cef_base.h"

class CefSharedMemoryRegion : public virtual CefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;

  virtual size_t Size() = 0;

  virtual const void* Memory() = 0;
};

#endif  // CEF_INCLUDE_CEF_SHARED_MEMORY_REGION_H_

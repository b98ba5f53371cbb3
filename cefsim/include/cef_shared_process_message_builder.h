// cefsim: the CEF 109 declarations of CefSharedProcessMessageBuilder.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_SHARED_PROCESS_MESSAGE_BUILDER_H_
#define CEF_INCLUDE_CEF_SHARED_PROCESS_MESSAGE_BUILDER_H_
#pragma once

#include "include/cef_process_message.h"

class CefSharedProcessMessageBuilder : public virtual CefBaseRefCounted {
 public:
  static CefRefPtr<CefSharedProcessMessageBuilder> Create(const CefString& name,
                                                          size_t byte_size);

  virtual bool IsValid() = 0;

  virtual size_t Size() = 0;

  virtual void* Memory() = 0;

  virtual CefRefPtr<CefProcessMessage> Build() = 0;
};

#endif  // CEF_INCLUDE_CEF_SHARED_PROCESS_MESSAGE_BUILDER_H_

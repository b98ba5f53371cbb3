// cefsim: the CEF 109 declarations of CefAuthCallback.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_AUTH_CALLBACK_H_
#define CEF_INCLUDE_CEF_AUTH_CALLBACK_H_
#pragma once

#include "include/cef_base.h"

class CefAuthCallback : public virtual CefBaseRefCounted {
 public:
  virtual void Continue(const CefString& username,
                        const CefString& password) = 0;

  virtual void Cancel() = 0;
};

#endif  // CEF_INCLUDE_CEF_AUTH_CALLBACK_H_

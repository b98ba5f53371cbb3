// cefsim: the CEF 109 declarations of CefCallback, CefCompletionCallback.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_CALLBACK_H_
#define CEF_INCLUDE_CEF_CALLBACK_H_
#pragma once

#include "include/cef_base.h"

// Continues or cancels an asynchronous request.
class CefCallback : public virtual CefBaseRefCounted {
 public:
  virtual void Continue() = 0;

  virtual void Cancel() = 0;
};

// Told when an asynchronous operation completes.
class CefCompletionCallback : public virtual CefBaseRefCounted {
 public:
  virtual void OnComplete() = 0;
};

#endif  // CEF_INCLUDE_CEF_CALLBACK_H_

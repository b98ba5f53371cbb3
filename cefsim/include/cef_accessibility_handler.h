// cefsim: the CEF 109 declarations of CefAccessibilityHandler.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_ACCESSIBILITY_HANDLER_H_
#define CEF_INCLUDE_CEF_ACCESSIBILITY_HANDLER_H_
#pragma once

#include "include/cef_values.h"

class CefAccessibilityHandler : public virtual CefBaseRefCounted {
 public:
  virtual void OnAccessibilityTreeChange(CefRefPtr<CefValue> value) = 0;

  virtual void OnAccessibilityLocationChange(CefRefPtr<CefValue> value) = 0;
};

#endif  // CEF_INCLUDE_CEF_ACCESSIBILITY_HANDLER_H_

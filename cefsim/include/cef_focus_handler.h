// cefsim: the CEF 109 declarations of CefFocusHandler.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_FOCUS_HANDLER_H_
#define CEF_INCLUDE_CEF_FOCUS_HANDLER_H_
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_dom.h"
#include "include/cef_frame.h"

class CefFocusHandler : public virtual CefBaseRefCounted {
 public:
  typedef cef_focus_source_t FocusSource;

  virtual void OnTakeFocus(CefRefPtr<CefBrowser> browser, bool next) {}

  virtual bool OnSetFocus(CefRefPtr<CefBrowser> browser, FocusSource source) {
    return false;
  }

  virtual void OnGotFocus(CefRefPtr<CefBrowser> browser) {}
};

#endif  // CEF_INCLUDE_CEF_FOCUS_HANDLER_H_

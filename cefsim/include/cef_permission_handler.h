// cefsim: the CEF 109 declarations of CefMediaAccessCallback,
// CefPermissionPromptCallback, CefPermissionHandler.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_PERMISSION_HANDLER_H_
#define CEF_INCLUDE_CEF_PERMISSION_HANDLER_H_
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefMediaAccessCallback : public virtual CefBaseRefCounted {
 public:
  virtual void Continue(uint32 allowed_permissions) = 0;

  virtual void Cancel() = 0;
};

class CefPermissionPromptCallback : public virtual CefBaseRefCounted {
 public:
  virtual void Continue(cef_permission_request_result_t result) = 0;
};

class CefPermissionHandler : public virtual CefBaseRefCounted {
 public:
  virtual bool OnRequestMediaAccessPermission(
      CefRefPtr<CefBrowser> browser,
      CefRefPtr<CefFrame> frame,
      const CefString& requesting_origin,
      uint32 requested_permissions,
      CefRefPtr<CefMediaAccessCallback> callback) {
    return false;
  }

  virtual bool OnShowPermissionPrompt(
      CefRefPtr<CefBrowser> browser,
      uint64 prompt_id,
      const CefString& requesting_origin,
      uint32 requested_permissions,
      CefRefPtr<CefPermissionPromptCallback> callback) {
    return false;
  }

  virtual void OnDismissPermissionPrompt(
      CefRefPtr<CefBrowser> browser,
      uint64 prompt_id,
      cef_permission_request_result_t result) {}
};

#endif  // CEF_INCLUDE_CEF_PERMISSION_HANDLER_H_

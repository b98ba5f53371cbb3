// cefsim: the CEF 109 declarations of CefResolveCallback, CefRequestContext.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_
#define CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_
#pragma once

#include <vector>

#include "include/cef_callback.h"
#include "include/cef_cookie.h"
#include "include/cef_extension.h"
#include "include/cef_extension_handler.h"
#include "include/cef_media_router.h"
#include "include/cef_preference.h"

class CefRequestContextHandler;
class CefSchemeHandlerFactory;

class CefResolveCallback : public virtual CefBaseRefCounted {
 public:
  virtual void OnResolveCompleted(
      cef_errorcode_t result,
      const std::vector<CefString>& resolved_ips) = 0;
};

// A cookie/cache/preference context shared by browsers.
class CefRequestContext : public CefPreferenceManager {
 public:
  static CefRefPtr<CefRequestContext> GetGlobalContext();

  static CefRefPtr<CefRequestContext> CreateContext(
      const CefRequestContextSettings& settings,
      CefRefPtr<CefRequestContextHandler> handler);

  static CefRefPtr<CefRequestContext> CreateContext(
      CefRefPtr<CefRequestContext> other,
      CefRefPtr<CefRequestContextHandler> handler);

  virtual bool IsSame(CefRefPtr<CefRequestContext> other) = 0;

  virtual bool IsSharingWith(CefRefPtr<CefRequestContext> other) = 0;

  virtual bool IsGlobal() = 0;

  virtual CefRefPtr<CefRequestContextHandler> GetHandler() = 0;

  virtual CefString GetCachePath() = 0;

  virtual CefRefPtr<CefCookieManager> GetCookieManager(
      CefRefPtr<CefCompletionCallback> callback) = 0;

  virtual bool RegisterSchemeHandlerFactory(
      const CefString& scheme_name,
      const CefString& domain_name,
      CefRefPtr<CefSchemeHandlerFactory> factory) = 0;

  virtual bool ClearSchemeHandlerFactories() = 0;

  virtual void ClearCertificateExceptions(
      CefRefPtr<CefCompletionCallback> callback) = 0;

  virtual void ClearHttpAuthCredentials(
      CefRefPtr<CefCompletionCallback> callback) = 0;

  virtual void CloseAllConnections(
      CefRefPtr<CefCompletionCallback> callback) = 0;

  virtual void ResolveHost(const CefString& origin,
                           CefRefPtr<CefResolveCallback> callback) = 0;

  virtual void LoadExtension(const CefString& root_directory,
                             CefRefPtr<CefDictionaryValue> manifest,
                             CefRefPtr<CefExtensionHandler> handler) = 0;

  virtual bool DidLoadExtension(const CefString& extension_id) = 0;

  virtual bool HasExtension(const CefString& extension_id) = 0;

  virtual bool GetExtensions(std::vector<CefString>& extension_ids) = 0;

  virtual CefRefPtr<CefExtension> GetExtension(
      const CefString& extension_id) = 0;

  virtual CefRefPtr<CefMediaRouter> GetMediaRouter(
      CefRefPtr<CefCompletionCallback> callback) = 0;
};

#endif  // CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_

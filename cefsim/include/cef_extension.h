// cefsim: the CEF 109 declarations of CefExtension.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_EXTENSION_H_
#define CEF_INCLUDE_CEF_EXTENSION_H_
#pragma once

#include "include/cef_base.h"
#include "include/cef_values.h"

class CefExtensionHandler;
class CefRequestContext;

class CefExtension : public CefBaseRefCounted {
 public:
  virtual CefString GetIdentifier() = 0;

  virtual CefString GetPath() = 0;

  virtual CefRefPtr<CefDictionaryValue> GetManifest() = 0;

  virtual bool IsSame(CefRefPtr<CefExtension> that) = 0;

  virtual CefRefPtr<CefExtensionHandler> GetHandler() = 0;

  virtual CefRefPtr<CefRequestContext> GetLoaderContext() = 0;

  virtual bool IsLoaded() = 0;

  virtual void Unload() = 0;
};

#endif  // CEF_INCLUDE_CEF_EXTENSION_H_

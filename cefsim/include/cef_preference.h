// cefsim: the CEF 109 declarations of CefPreferenceRegistrar,
// CefPreferenceManager.
// Declarations only: clients implement the handler interfaces, the
// simulated libcef.dll and wrapper library implement the rest.

#ifndef CEF_INCLUDE_CEF_PREFERENCE_H_
#define CEF_INCLUDE_CEF_PREFERENCE_H_
#pragma once

#include <vector>

#include "include/cef_base.h"
#include "include/cef_values.h"

// Registers custom preferences while the context starts.
class CefPreferenceRegistrar : public CefBaseScoped {
 public:
  virtual bool AddPreference(const CefString& name,
                             CefRefPtr<CefValue> default_value) = 0;
};

// Reads and writes preferences; set on the UI thread.
class CefPreferenceManager : public virtual CefBaseRefCounted {
 public:
  static CefRefPtr<CefPreferenceManager> GetGlobalPreferenceManager();

  virtual bool HasPreference(const CefString& name) = 0;

  virtual CefRefPtr<CefValue> GetPreference(const CefString& name) = 0;

  virtual CefRefPtr<CefDictionaryValue> GetAllPreferences(
      bool include_defaults) = 0;

  virtual bool CanSetPreference(const CefString& name) = 0;

  virtual bool SetPreference(const CefString& name,
                             CefRefPtr<CefValue> value,
                             CefString& error) = 0;
};

#endif  // CEF_INCLUDE_CEF_PREFERENCE_H_

// The preferences of one profile (a request context's browser context) or
// of the browser-wide local state: registered names with their defaults and
// the values set over them, with the checks and error texts of CEF 109's
// preference helper. Thread-agnostic; the callers check the thread.
#ifndef CEFSIM_RUNTIME_BROWSER_PREFERENCE_STORE_H_
#define CEFSIM_RUNTIME_BROWSER_PREFERENCE_STORE_H_

#include <map>
#include <mutex>
#include <string>

#include "include/cef_values.h"

namespace cefsim {
namespace browser {

class PreferenceStore {
 public:
  enum class Kind { kProfile, kLocalState };
  explicit PreferenceStore(Kind kind);
  PreferenceStore(const PreferenceStore&) = delete;
  PreferenceStore& operator=(const PreferenceStore&) = delete;

  bool Has(const std::string& name) const;
  // A copy of the effective value; null for an unregistered name.
  CefRefPtr<CefValue> Get(const std::string& name) const;
  // Every preference (only those set, without |include_defaults|) in a new
  // dictionary, nested by the dots of the names as Chromium nests them.
  CefRefPtr<CefDictionaryValue> GetAll(bool include_defaults) const;
  bool CanSet(const std::string& name) const;
  // A null |value| resets |name| to its default. On failure |error| gets
  // CEF's text and false is returned.
  bool Set(const std::string& name,
           CefRefPtr<CefValue> value,
           std::string* error);

 private:
  struct Preference {
    CefRefPtr<CefValue> default_value;  // Owned copy, never handed out.
    CefRefPtr<CefValue> user_value;     // Owned copy; null at the default.
  };
  void Register(const std::string& name, CefRefPtr<CefValue> default_value);
  const Preference* Find(const std::string& name) const;

  mutable std::mutex lock_;
  std::map<std::string, Preference> preferences_;  // Guarded by |lock_|.
};

// A new, empty value or dictionary of the runtime.
CefRefPtr<CefValue> NewValue();
CefRefPtr<CefDictionaryValue> NewDictionary();

// Compact JSON-like text of |value| for records ("null" for none).
std::string DescribeValue(CefRefPtr<CefValue> value);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_PREFERENCE_STORE_H_

// CefPreferenceManager over a PreferenceStore, as CEF 109 implements it for
// request contexts and for the local state: every method on the UI thread
// only; off it the call is refused with CEF's defaults (|error| untouched)
// and reported, as a debug build stops there.
#ifndef CEFSIM_RUNTIME_BROWSER_PREFERENCE_MANAGER_IMPL_H_
#define CEFSIM_RUNTIME_BROWSER_PREFERENCE_MANAGER_IMPL_H_

#include <memory>
#include <string>
#include <utility>

#include "include/cef_preference.h"
#include "preferences/preference_records.h"
#include "preferences/preference_store.h"
#include "threads/threads.h"

namespace cefsim {
namespace browser {

template <class Interface>
class PreferenceManagerImpl : public Interface {
 public:
  bool HasPreference(const CefString& name) override {
    if (!RequireUiThread(Describe("HasPreference").c_str()))
      return false;
    return preferences_->Has(name.ToString());
  }
  CefRefPtr<CefValue> GetPreference(const CefString& name) override {
    if (!RequireUiThread(Describe("GetPreference").c_str()))
      return nullptr;
    return preferences_->Get(name.ToString());
  }
  CefRefPtr<CefDictionaryValue> GetAllPreferences(
      bool include_defaults) override {
    if (!RequireUiThread(Describe("GetAllPreferences").c_str()))
      return nullptr;
    return preferences_->GetAll(include_defaults);
  }
  bool CanSetPreference(const CefString& name) override {
    if (!RequireUiThread(Describe("CanSetPreference").c_str()))
      return false;
    return preferences_->CanSet(name.ToString());
  }
  bool SetPreference(const CefString& name,
                     CefRefPtr<CefValue> value,
                     CefString& error) override {
    PreferenceSetRecord record;
    record.manager_id = manager_id_;
    record.name = name.ToString();
    record.value = DescribeValue(value);
    record.on_ui_thread = CurrentlyOn(TID_UI);
    if (RequireUiThread(Describe("SetPreference").c_str())) {
      std::string text;
      record.succeeded = preferences_->Set(record.name, value, &text);
      if (!record.succeeded)
        error = record.error = text;
    }
    RecordPreferenceSet(record);
    return record.succeeded;
  }

  PreferenceStore* preferences() const { return preferences_.get(); }
  std::shared_ptr<PreferenceStore> shared_preferences() const {
    return preferences_;
  }
  int manager_id() const { return manager_id_; }

 protected:
  // |preferences| is shared by every manager of the same browser context.
  PreferenceManagerImpl(std::shared_ptr<PreferenceStore> preferences,
                        int manager_id,
                        const char* class_name)
      : preferences_(std::move(preferences)),
        manager_id_(manager_id),
        class_name_(class_name) {}

 private:
  std::string Describe(const char* method) const {
    return std::string(class_name_) + "::" + method;
  }

  const std::shared_ptr<PreferenceStore> preferences_;
  const int manager_id_;
  const char* const class_name_;  // A literal.
};

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_PREFERENCE_MANAGER_IMPL_H_

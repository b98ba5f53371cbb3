#include "preferences/preference_store.h"

#include <memory>
#include <utility>
#include <vector>

#include "text/json_string_escape.h"
#include "values/dictionary_value_impl.h"
#include "values/value_impl.h"

namespace cefsim {
namespace browser {
namespace {

// base::Value's type names, as the preference helper prints them.
const char* TypeName(CefValueType type) {
  switch (type) {
    case VTYPE_NULL:
      return "NULL";
    case VTYPE_BOOL:
      return "BOOLEAN";
    case VTYPE_INT:
      return "INTEGER";
    case VTYPE_DOUBLE:
      return "DOUBLE";
    case VTYPE_STRING:
      return "STRING";
    case VTYPE_BINARY:
      return "BINARY";
    case VTYPE_DICTIONARY:
      return "DICTIONARY";
    case VTYPE_LIST:
      return "LIST";
    case VTYPE_INVALID:
      break;
  }
  return "UNKNOWN";
}

CefRefPtr<CefValue> BoolValue(bool flag) {
  CefRefPtr<CefValue> value = NewValue();
  value->SetBool(flag);
  return value;
}

CefRefPtr<CefValue> IntValue(int number) {
  CefRefPtr<CefValue> value = NewValue();
  value->SetInt(number);
  return value;
}

CefRefPtr<CefValue> StringValue(const std::string& text) {
  CefRefPtr<CefValue> value = NewValue();
  value->SetString(text);
  return value;
}

// ProxyConfigDictionary::CreateSystem(): what "proxy" starts as.
CefRefPtr<CefValue> SystemProxyValue() {
  CefRefPtr<CefDictionaryValue> proxy = NewDictionary();
  proxy->SetString("mode", "system");
  CefRefPtr<CefValue> value = NewValue();
  value->SetDictionary(proxy);
  return value;
}

// Puts |value| at the dotted |path| below |root|, making the dictionaries
// on the way as base::Value::SetByDottedPath does.
void SetByDottedPath(CefRefPtr<CefDictionaryValue> root,
                     const std::string& path,
                     CefRefPtr<CefValue> value) {
  CefRefPtr<CefDictionaryValue> current = root;
  size_t start = 0;
  for (size_t dot = path.find('.'); dot != std::string::npos;
       dot = path.find('.', start)) {
    const std::string key = path.substr(start, dot - start);
    if (current->GetType(key) != VTYPE_DICTIONARY)
      current->SetDictionary(key, NewDictionary());
    current = current->GetDictionary(key);
    start = dot + 1;
  }
  current->SetValue(path.substr(start), value);
}

// As Chromium's JSON writer quotes a string, control characters included,
// so a record reads back as the JSON the control interface promises.
void AppendQuoted(const std::string& text, std::string* out) {
  *out += text::GetQuotedJsonString(text);
}

void Describe(CefRefPtr<CefValue> value, std::string* out) {
  switch (value ? value->GetType() : VTYPE_NULL) {
    case VTYPE_BOOL:
      *out += value->GetBool() ? "true" : "false";
      return;
    case VTYPE_INT:
      *out += std::to_string(value->GetInt());
      return;
    case VTYPE_DOUBLE:
      *out += std::to_string(value->GetDouble());
      return;
    case VTYPE_STRING:
      AppendQuoted(value->GetString().ToString(), out);
      return;
    case VTYPE_DICTIONARY: {
      CefRefPtr<CefDictionaryValue> dictionary = value->GetDictionary();
      CefDictionaryValue::KeyList keys;
      dictionary->GetKeys(keys);
      out->push_back('{');
      for (size_t i = 0; i < keys.size(); ++i) {
        if (i > 0)
          out->push_back(',');
        AppendQuoted(keys[i].ToString(), out);
        out->push_back(':');
        Describe(dictionary->GetValue(keys[i]), out);
      }
      out->push_back('}');
      return;
    }
    case VTYPE_LIST: {
      CefRefPtr<CefListValue> list = value->GetList();
      out->push_back('[');
      for (size_t i = 0; i < list->GetSize(); ++i) {
        if (i > 0)
          out->push_back(',');
        Describe(list->GetValue(i), out);
      }
      out->push_back(']');
      return;
    }
    case VTYPE_BINARY:
      *out += "<binary>";
      return;
    case VTYPE_NULL:
    case VTYPE_INVALID:
      *out += "null";
      return;
  }
}

}  // namespace

CefRefPtr<CefValue> NewValue() {
  return new values::ValueImpl();
}

CefRefPtr<CefDictionaryValue> NewDictionary() {
  return new values::DictionaryValueImpl(
      std::make_unique<values::Node>(VTYPE_DICTIONARY), /*read_only=*/false);
}

std::string DescribeValue(CefRefPtr<CefValue> value) {
  std::string text;
  Describe(value, &text);
  return text;
}

PreferenceStore::PreferenceStore(Kind kind) {
  // A few of the preferences Chromium registers, with their defaults; the
  // proxy is registered for profiles and for the local state alike.
  Register("proxy", SystemProxyValue());
  if (kind == Kind::kProfile) {
    Register("browser.enable_spellchecking", BoolValue(true));
    Register("intl.accept_languages", StringValue("en-US,en"));
    Register("webkit.webprefs.default_font_size", IntValue(16));
  } else {
    Register("intl.app_locale", StringValue(""));
  }
}

void PreferenceStore::Register(const std::string& name,
                               CefRefPtr<CefValue> default_value) {
  preferences_[name].default_value = default_value;
}

const PreferenceStore::Preference* PreferenceStore::Find(
    const std::string& name) const {
  auto it = preferences_.find(name);
  return it == preferences_.end() ? nullptr : &it->second;
}

bool PreferenceStore::Has(const std::string& name) const {
  std::lock_guard<std::mutex> guard(lock_);
  return Find(name) != nullptr;
}

CefRefPtr<CefValue> PreferenceStore::Get(const std::string& name) const {
  std::lock_guard<std::mutex> guard(lock_);
  const Preference* preference = Find(name);
  if (!preference)
    return nullptr;
  return (preference->user_value ? preference->user_value
                                 : preference->default_value)
      ->Copy();
}

CefRefPtr<CefDictionaryValue> PreferenceStore::GetAll(
    bool include_defaults) const {
  std::lock_guard<std::mutex> guard(lock_);
  CefRefPtr<CefDictionaryValue> all = NewDictionary();
  for (const auto& entry : preferences_) {
    const Preference& preference = entry.second;
    if (preference.user_value) {
      SetByDottedPath(all, entry.first, preference.user_value->Copy());
    } else if (include_defaults) {
      SetByDottedPath(all, entry.first, preference.default_value->Copy());
    }
  }
  return all;
}

bool PreferenceStore::CanSet(const std::string& name) const {
  // Nothing is managed by policy or the command line here, so every
  // registered preference is user modifiable.
  return Has(name);
}

bool PreferenceStore::Set(const std::string& name,
                          CefRefPtr<CefValue> value,
                          std::string* error) {
  std::lock_guard<std::mutex> guard(lock_);
  auto it = preferences_.find(name);
  if (it == preferences_.end()) {
    *error = "Trying to modify an unregistered preference";
    return false;
  }
  Preference& preference = it->second;
  if (!value) {
    preference.user_value = nullptr;
    return true;
  }
  if (!value->IsValid()) {
    *error = "A valid value is required";
    return false;
  }
  const CefValueType expected = preference.default_value->GetType();
  if (value->GetType() != expected) {
    *error = std::string("Trying to set a preference of type ") +
             TypeName(expected) + " to value of type " +
             TypeName(value->GetType());
    return false;
  }
  // PrefService keeps a deep copy; later changes to |value| do not count.
  preference.user_value = value->Copy();
  return true;
}

}  // namespace browser
}  // namespace cefsim

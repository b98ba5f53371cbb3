#include "orvcef/network/proxy_preference.h"

namespace orvcef {

const char kProxyPreference[] = "proxy";

CefRefPtr<CefValue> ProxyPreferenceValue(const std::wstring& server) {
  if (server.empty())
    return nullptr;
  CefRefPtr<CefDictionaryValue> proxy = CefDictionaryValue::Create();
  proxy->SetString("mode", "fixed_servers");
  proxy->SetString("server", server);
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetDictionary(proxy);
  return value;
}

}  // namespace orvcef

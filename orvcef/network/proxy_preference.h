// The "proxy" preference that every navigation writes to its request
// context.
#ifndef ORVCEF_NETWORK_PROXY_PREFERENCE_H_
#define ORVCEF_NETWORK_PROXY_PREFERENCE_H_

#include <string>

#include "include/cef_values.h"

namespace orvcef {

// The name of Chromium's proxy preference.
extern const char kProxyPreference[];

// The preference value for |server|: fixed servers, no bypass list. Null for
// an empty server, which returns the preference to its default.
CefRefPtr<CefValue> ProxyPreferenceValue(const std::wstring& server);

}  // namespace orvcef

#endif  // ORVCEF_NETWORK_PROXY_PREFERENCE_H_

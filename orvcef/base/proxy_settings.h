// The host's proxy server and credentials: how a new set of values from the
// host is merged into the stored one.
#ifndef ORVCEF_BASE_PROXY_SETTINGS_H_
#define ORVCEF_BASE_PROXY_SETTINGS_H_

#include <string>

#include "orvcef/base/library_state.h"

namespace orvcef {

// Stores each of the three arguments (NULL or empty meaning none) that
// differs from the stored value, compared exactly. True when any changed.
bool MergeProxyArguments(const wchar_t* server,
                         const wchar_t* user,
                         const wchar_t* password,
                         ProxySettings* stored);

}  // namespace orvcef

#endif  // ORVCEF_BASE_PROXY_SETTINGS_H_

// The texts CEF gives for network error codes (net::ErrorToShortString).
#ifndef CEFSIM_RUNTIME_BROWSER_NET_ERROR_TEXT_H_
#define CEFSIM_RUNTIME_BROWSER_NET_ERROR_TEXT_H_

#include <string>

namespace cefsim {
namespace browser {

// "net::ERR_NAME_NOT_RESOLVED" for -105; "net::<unknown>" for a code
// Chromium does not define, as Chromium prints it.
std::string NetErrorShortText(int error_code);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_NET_ERROR_TEXT_H_

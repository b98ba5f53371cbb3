// One authentication challenge put to a browser's client as CEF 109's login
// delegate does: started on the UI thread, asked on the IO thread through
// CefRequestHandler::GetAuthCredentials, answered through a CefAuthCallback
// from any thread (first answer only), cancelled when the handler declines
// or releases the callback unanswered.
#ifndef CEFSIM_RUNTIME_BROWSER_AUTH_CHALLENGE_H_
#define CEFSIM_RUNTIME_BROWSER_AUTH_CHALLENGE_H_

#include <functional>
#include <string>

#include "auth/auth_records.h"
#include "include/internal/cef_ptr.h"

namespace cefsim {
namespace browser {

class BrowserHostImpl;

struct AuthAnswer {
  bool canceled = true;
  std::string username;
  std::string password;
};

// UI thread. |done| runs once, later, on the UI thread.
void StartAuthChallenge(CefRefPtr<BrowserHostImpl> browser,
                        const AuthChallengeInfo& challenge,
                        std::function<void(const AuthAnswer&)> done);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_AUTH_CHALLENGE_H_

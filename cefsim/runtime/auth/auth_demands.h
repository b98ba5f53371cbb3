// Which servers and proxies of the simulated web ask for credentials, and
// which credentials they accept. Tests script them through the control
// interface. Any thread.
#ifndef CEFSIM_RUNTIME_BROWSER_AUTH_DEMANDS_H_
#define CEFSIM_RUNTIME_BROWSER_AUTH_DEMANDS_H_

#include <string>

namespace cefsim {
namespace browser {

struct AuthDemand {
  std::string realm;
  std::string scheme;  // As Chromium reports it: "basic", "digest", ...
  bool any_credentials = true;  // Else only |username| and |password|.
  std::string username;
  std::string password;
  // Challenges the server makes for one request before it gives up and
  // its 401 or 407 response loads as it is.
  int max_challenges = 1;
};

// |url| (canonicalised) answers 401 until credentials are accepted.
void DemandServerAuth(const std::string& url, const AuthDemand& demand);
// The proxy |server| (as the proxy preference names it) answers 407.
void DemandProxyAuth(const std::string& server, const AuthDemand& demand);
bool FindServerAuthDemand(const std::string& url, AuthDemand* demand);
bool FindProxyAuthDemand(const std::string& server, AuthDemand* demand);
void ClearAuthDemands();

bool AcceptsCredentials(const AuthDemand& demand,
                        const std::string& username,
                        const std::string& password);

// Chromium's proxy auth cache: once a proxy took a pair, later requests
// through it send that pair at once instead of waiting for a 407, so the
// client is asked again only when the proxy turns the cached pair down.
void RememberProxyCredentials(const std::string& server,
                              const std::string& username,
                              const std::string& password);
// True when |server| has a cached pair that |demand| accepts; a pair it no
// longer accepts is forgotten, as Chromium drops rejected cache entries.
bool CachedProxyCredentialsPass(const std::string& server,
                                const AuthDemand& demand);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_AUTH_DEMANDS_H_

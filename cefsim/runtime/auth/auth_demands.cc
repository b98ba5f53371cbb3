#include "auth/auth_demands.h"

#include <map>
#include <mutex>
#include <utility>

#include "web/simulated_web.h"

namespace cefsim {
namespace browser {
namespace {

struct Demands {
  std::mutex lock;
  std::map<std::string, AuthDemand> servers;  // By URL. Guarded by |lock|.
  std::map<std::string, AuthDemand> proxies;  // By server. Guarded by |lock|.
  // Pairs proxies accepted, by server. Guarded by |lock|.
  std::map<std::string, std::pair<std::string, std::string>> proxy_cache;
};

// Leaked on purpose: scripted from any thread until the process ends.
Demands& GetDemands() {
  static Demands* demands = new Demands();
  return *demands;
}

bool FindIn(const std::map<std::string, AuthDemand>& table,
            const std::string& key,
            AuthDemand* demand) {
  auto it = table.find(key);
  if (it == table.end())
    return false;
  *demand = it->second;
  return true;
}

}  // namespace

void DemandServerAuth(const std::string& url, const AuthDemand& demand) {
  Demands& demands = GetDemands();
  std::lock_guard<std::mutex> guard(demands.lock);
  demands.servers[CanonicalUrl(url)] = demand;
}

void DemandProxyAuth(const std::string& server, const AuthDemand& demand) {
  Demands& demands = GetDemands();
  std::lock_guard<std::mutex> guard(demands.lock);
  demands.proxies[server] = demand;
}

bool FindServerAuthDemand(const std::string& url, AuthDemand* demand) {
  Demands& demands = GetDemands();
  std::lock_guard<std::mutex> guard(demands.lock);
  return FindIn(demands.servers, url, demand);
}

bool FindProxyAuthDemand(const std::string& server, AuthDemand* demand) {
  Demands& demands = GetDemands();
  std::lock_guard<std::mutex> guard(demands.lock);
  return FindIn(demands.proxies, server, demand);
}

void ClearAuthDemands() {
  Demands& demands = GetDemands();
  std::lock_guard<std::mutex> guard(demands.lock);
  demands.servers.clear();
  demands.proxies.clear();
  demands.proxy_cache.clear();
}

bool AcceptsCredentials(const AuthDemand& demand,
                        const std::string& username,
                        const std::string& password) {
  return demand.any_credentials ||
         (username == demand.username && password == demand.password);
}

void RememberProxyCredentials(const std::string& server,
                              const std::string& username,
                              const std::string& password) {
  Demands& demands = GetDemands();
  std::lock_guard<std::mutex> guard(demands.lock);
  demands.proxy_cache[server] = {username, password};
}

bool CachedProxyCredentialsPass(const std::string& server,
                                const AuthDemand& demand) {
  Demands& demands = GetDemands();
  std::lock_guard<std::mutex> guard(demands.lock);
  auto it = demands.proxy_cache.find(server);
  if (it == demands.proxy_cache.end())
    return false;
  if (AcceptsCredentials(demand, it->second.first, it->second.second))
    return true;
  demands.proxy_cache.erase(it);
  return false;
}

}  // namespace browser
}  // namespace cefsim

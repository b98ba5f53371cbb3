#include "auth/auth_demands.h"

#include <map>
#include <mutex>

#include "web/simulated_web.h"

namespace cefsim {
namespace browser {
namespace {

struct Demands {
  std::mutex lock;
  std::map<std::string, AuthDemand> servers;  // By URL. Guarded by |lock|.
  std::map<std::string, AuthDemand> proxies;  // By server. Guarded by |lock|.
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
}

bool AcceptsCredentials(const AuthDemand& demand,
                        const std::string& username,
                        const std::string& password) {
  return demand.any_credentials ||
         (username == demand.username && password == demand.password);
}

}  // namespace browser
}  // namespace cefsim

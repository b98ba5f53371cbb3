// Which proxy a request context's requests use: its effective "proxy"
// preference read as Chromium's proxy config tracker reads it, with the
// system's proxy settings behind mode "system". Every request that goes to
// the network is recorded with the proxy it used.
#ifndef CEFSIM_RUNTIME_BROWSER_REQUEST_CONTEXT_PROXY_H_
#define CEFSIM_RUNTIME_BROWSER_REQUEST_CONTEXT_PROXY_H_

#include <stdint.h>

#include <functional>
#include <string>
#include <vector>

namespace cefsim {
namespace browser {

class RequestContextImpl;

struct ProxyChoice {
  // "direct", "fixed_servers", "system", "auto_detect" or "pac_script";
  // "system" also when the preference is not a valid proxy config, as
  // Chromium then falls back to the system's settings.
  std::string mode;
  // The proxy the request goes through ("host:port" as configured); empty
  // for a direct connection.
  std::string server;
};

// The proxy a request of |context| for |url| uses now. UI thread.
ProxyChoice ChooseProxy(RequestContextImpl* context, const std::string& url);

// The system's proxy settings ("" for a direct connection). Any thread.
void SetSystemProxy(const std::string& server);

// The host and port a proxy given as "[scheme://]host[:port]" answers at;
// false when it names none.
bool ProxyHostPort(const std::string& server, std::string* host, int* port);

struct NetworkRequestRecord {
  int browser_id = 0;
  int64_t frame_id = 0;
  int context_id = 0;
  std::string url;
  ProxyChoice proxy;
};

// Any thread.
void RecordNetworkRequest(const NetworkRequestRecord& record);
std::vector<NetworkRequestRecord> NetworkRequestRecords();
// Drops the records of requests made by browsers |gone| names; returns how
// many went.
int ForgetNetworkRequests(const std::function<bool(int browser_id)>& gone);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_REQUEST_CONTEXT_PROXY_H_

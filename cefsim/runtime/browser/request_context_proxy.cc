#include "browser/request_context_proxy.h"

#include <algorithm>
#include <mutex>

#include "browser/request_context_impl.h"
#include "text/url_canon.h"

namespace cefsim {
namespace browser {
namespace {

struct ProxyState {
  std::mutex lock;
  std::string system_proxy;                   // Guarded by |lock|.
  std::vector<NetworkRequestRecord> records;  // Guarded by |lock|.
};

// Leaked on purpose: read by tests until the process ends.
ProxyState& GetState() {
  static ProxyState* state = new ProxyState();
  return *state;
}

std::string SystemProxy() {
  ProxyState& state = GetState();
  std::lock_guard<std::mutex> guard(state.lock);
  return state.system_proxy;
}

// Chromium sends loopback hosts past any proxy (the implicit "<-loopback>"
// bypass rule).
bool IsLoopback(const std::string& host) {
  return host == "localhost" || host == "[::1]" ||
         host.compare(0, 4, "127.") == 0;
}

// The proxy of a rules text for |scheme|: "host:port" applies to every
// scheme, "http=a:1;https=b:2" names one per scheme.
std::string ProxyForScheme(const std::string& rules,
                           const std::string& scheme) {
  if (rules.find('=') == std::string::npos)
    return rules;
  size_t start = 0;
  while (start <= rules.size()) {
    size_t end = rules.find(';', start);
    if (end == std::string::npos)
      end = rules.size();
    const std::string rule = rules.substr(start, end - start);
    const size_t equals = rule.find('=');
    if (equals != std::string::npos && rule.substr(0, equals) == scheme)
      return rule.substr(equals + 1);
    start = end + 1;
  }
  return std::string();
}

}  // namespace

ProxyChoice ChooseProxy(RequestContextImpl* context, const std::string& url) {
  ProxyChoice choice;
  choice.mode = "system";
  CefRefPtr<CefValue> value = context->preferences()->Get("proxy");
  CefRefPtr<CefDictionaryValue> config =
      value && value->GetType() == VTYPE_DICTIONARY ? value->GetDictionary()
                                                    : nullptr;
  const std::string mode =
      config ? config->GetString("mode").ToString() : std::string();
  std::string rules;
  if (mode == "direct" || mode == "auto_detect" || mode == "pac_script") {
    // Proxy scripts are not simulated: such requests go direct.
    choice.mode = mode;
  } else if (mode == "fixed_servers" && config->HasKey("server")) {
    choice.mode = mode;
    rules = config->GetString("server").ToString();
  } else {
    rules = SystemProxy();
  }
  text::UrlParts parts;
  if (text::ParseUrl(url, &parts) && !IsLoopback(parts.host))
    choice.server = ProxyForScheme(rules, parts.scheme);
  return choice;
}

void SetSystemProxy(const std::string& server) {
  ProxyState& state = GetState();
  std::lock_guard<std::mutex> guard(state.lock);
  state.system_proxy = server;
}

bool ProxyHostPort(const std::string& server, std::string* host, int* port) {
  std::string rest = server;
  int default_port = 80;
  const size_t scheme_end = rest.find("://");
  if (scheme_end != std::string::npos) {
    if (rest.compare(0, scheme_end, "https") == 0)
      default_port = 443;
    rest.erase(0, scheme_end + 3);
  }
  const size_t colon = rest.rfind(':');
  const bool has_port =
      colon != std::string::npos && rest.find(']', colon) == std::string::npos;
  *host = has_port ? rest.substr(0, colon) : rest;
  *port = has_port ? atoi(rest.c_str() + colon + 1) : default_port;
  return !host->empty();
}

void RecordNetworkRequest(const NetworkRequestRecord& record) {
  ProxyState& state = GetState();
  std::lock_guard<std::mutex> guard(state.lock);
  state.records.push_back(record);
}

std::vector<NetworkRequestRecord> NetworkRequestRecords() {
  ProxyState& state = GetState();
  std::lock_guard<std::mutex> guard(state.lock);
  return state.records;
}

int ForgetNetworkRequests(const std::function<bool(int browser_id)>& gone) {
  ProxyState& state = GetState();
  std::lock_guard<std::mutex> guard(state.lock);
  const size_t before = state.records.size();
  state.records.erase(std::remove_if(state.records.begin(), state.records.end(),
                                     [&](const NetworkRequestRecord& record) {
                                       return gone(record.browser_id);
                                     }),
                      state.records.end());
  return static_cast<int>(before - state.records.size());
}

}  // namespace browser
}  // namespace cefsim

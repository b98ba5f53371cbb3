#include "text/url_schemes.h"

#include <mutex>
#include <string>
#include <vector>

namespace cefsim::text {

namespace {

struct Entry {
  std::string scheme;
  SchemeType type;
};

struct Registry {
  std::mutex lock;
  std::vector<Entry> entries = {
      {"https", SchemeType::kWithHostPortAndUserInfo},
      {"http", SchemeType::kWithHostPortAndUserInfo},
      {"file", SchemeType::kWithHost},
      {"ftp", SchemeType::kWithHostPortAndUserInfo},
      {"wss", SchemeType::kWithHostPortAndUserInfo},
      {"ws", SchemeType::kWithHostPortAndUserInfo},
      {"chrome", SchemeType::kWithHost},
      {"chrome-untrusted", SchemeType::kWithHost},
      {"chrome-error", SchemeType::kWithHost},
      {"devtools", SchemeType::kWithHost},
      {"chrome-extension", SchemeType::kWithHost},
  };
};

Registry& GetRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

}  // namespace

bool IsStandardScheme(std::string_view lower_scheme, SchemeType* type) {
  Registry& registry = GetRegistry();
  std::lock_guard<std::mutex> hold(registry.lock);
  for (const Entry& entry : registry.entries) {
    if (entry.scheme == lower_scheme) {
      *type = entry.type;
      return true;
    }
  }
  return false;
}

void AddStandardScheme(std::string_view lower_scheme, SchemeType type) {
  Registry& registry = GetRegistry();
  std::lock_guard<std::mutex> hold(registry.lock);
  for (const Entry& entry : registry.entries) {
    if (entry.scheme == lower_scheme)
      return;
  }
  registry.entries.push_back({std::string(lower_scheme), type});
}

int DefaultPortForScheme(std::string_view lower_scheme) {
  if (lower_scheme == "http" || lower_scheme == "ws")
    return 80;
  if (lower_scheme == "https" || lower_scheme == "wss")
    return 443;
  if (lower_scheme == "ftp")
    return 21;
  return -1;
}

}  // namespace cefsim::text

#include "browser/browser_registry.h"

#include <atomic>
#include <map>
#include <mutex>
#include <string>

#include "browser/browser_host_impl.h"
#include "diagnostics/records.h"
#include "threads/threads.h"

namespace cefsim {
namespace browser {
namespace {

struct Registry {
  std::mutex lock;
  std::map<int, CefRefPtr<BrowserHostImpl>> browsers;  // Guarded by |lock|.
  std::atomic<int> last_id{0};
};

Registry& GetRegistry() {
  static Registry* registry = new Registry();
  return *registry;
}

}  // namespace

int NextBrowserId() {
  return ++GetRegistry().last_id;
}

void RegisterBrowser(CefRefPtr<BrowserHostImpl> browser) {
  Registry& registry = GetRegistry();
  std::lock_guard<std::mutex> guard(registry.lock);
  registry.browsers[browser->id()] = browser;
}

void UnregisterBrowser(int browser_id) {
  CefRefPtr<BrowserHostImpl> gone;
  Registry& registry = GetRegistry();
  {
    std::lock_guard<std::mutex> guard(registry.lock);
    auto it = registry.browsers.find(browser_id);
    if (it == registry.browsers.end())
      return;
    gone = it->second;
    registry.browsers.erase(it);
  }
  // |gone| releases the registry's reference outside the lock.
}

CefRefPtr<BrowserHostImpl> FindBrowser(int browser_id) {
  Registry& registry = GetRegistry();
  std::lock_guard<std::mutex> guard(registry.lock);
  auto it = registry.browsers.find(browser_id);
  return it == registry.browsers.end() ? nullptr : it->second;
}

std::vector<CefRefPtr<BrowserHostImpl>> AllBrowsers() {
  Registry& registry = GetRegistry();
  std::lock_guard<std::mutex> guard(registry.lock);
  std::vector<CefRefPtr<BrowserHostImpl>> all;
  for (const auto& entry : registry.browsers)
    all.push_back(entry.second);
  return all;
}

void DestroyAllBrowsersAtShutdown() {
  if (!RequireUiThread("DestroyAllBrowsersAtShutdown"))
    return;
  for (const CefRefPtr<BrowserHostImpl>& browser : AllBrowsers()) {
    RecordNote("shutdown-with-browsers", "CefShutdown with browser " +
                                             std::to_string(browser->id()) +
                                             " still open");
    browser->DestroyAtShutdown();
  }
}

}  // namespace browser
}  // namespace cefsim

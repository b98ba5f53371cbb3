// The pending entries of one half of the message router, per browser and
// in the order CEF's router visits them: by browser id, then by entry id.
#ifndef CEFSIM_WRAPPER_MESSAGE_ROUTER_PENDING_H_
#define CEFSIM_WRAPPER_MESSAGE_ROUTER_PENDING_H_

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace cefsim {
namespace router {

template <class Id, class Info>
class PendingMap {
 public:
  using Entry = std::pair<Id, Info>;
  using Match = std::function<bool(const Id&, const Info&)>;
  // Means "every browser" where a browser id is asked for.
  static constexpr int kAllBrowsers = -1;

  bool empty() const { return browsers_.empty(); }

  void Add(int browser_id, const Id& id, Info info) {
    browsers_[browser_id][id] = std::move(info);
  }

  // The entry, or null. Valid until the map changes.
  Info* Find(int browser_id, const Id& id) {
    auto browser = browsers_.find(browser_id);
    if (browser == browsers_.end())
      return nullptr;
    auto entry = browser->second.find(id);
    return entry == browser->second.end() ? nullptr : &entry->second;
  }

  // Removes the entry into |info|; false when there was none.
  bool Take(int browser_id, const Id& id, Info* info) {
    auto browser = browsers_.find(browser_id);
    if (browser == browsers_.end())
      return false;
    auto entry = browser->second.find(id);
    if (entry == browser->second.end())
      return false;
    *info = std::move(entry->second);
    browser->second.erase(entry);
    if (browser->second.empty())
      browsers_.erase(browser);
    return true;
  }

  // Removes the entries of |browser_id| (or of all browsers) that |match|
  // accepts, the first one only when |first_only|, and returns them in
  // visiting order. The caller acts on them after the map is consistent
  // again, so a handler it calls may use the router.
  std::vector<Entry> TakeIf(int browser_id,
                            const Match& match,
                            bool first_only = false) {
    std::vector<Entry> taken;
    for (auto browser = browsers_.begin(); browser != browsers_.end();) {
      if (browser_id != kAllBrowsers && browser->first != browser_id) {
        ++browser;
        continue;
      }
      auto& entries = browser->second;
      for (auto entry = entries.begin(); entry != entries.end();) {
        if (!match(entry->first, entry->second)) {
          ++entry;
          continue;
        }
        taken.emplace_back(entry->first, std::move(entry->second));
        entry = entries.erase(entry);
        if (first_only)
          break;
      }
      browser = entries.empty() ? browsers_.erase(browser) : std::next(browser);
      if (first_only && !taken.empty())
        break;
    }
    return taken;
  }

  int Count(int browser_id, const Match& match) const {
    int count = 0;
    for (const auto& browser : browsers_) {
      if (browser_id != kAllBrowsers && browser.first != browser_id)
        continue;
      for (const auto& entry : browser.second) {
        if (match(entry.first, entry.second))
          ++count;
      }
    }
    return count;
  }

 private:
  std::map<int, std::map<Id, Info>> browsers_;
};

}  // namespace router
}  // namespace cefsim

#endif  // CEFSIM_WRAPPER_MESSAGE_ROUTER_PENDING_H_

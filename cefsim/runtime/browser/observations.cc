#include "browser/observations.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace cefsim {
namespace browser {
namespace {

struct Store {
  std::mutex lock;
  std::map<int, BrowserRecord> browsers;  // Guarded by |lock|.
  std::map<int64_t, FrameRecord> frames;  // Guarded by |lock|.
};

Store& GetStore() {
  static Store* store = new Store();
  return *store;
}

}  // namespace

void ObserveBrowser(const BrowserRecord& record) {
  Store& store = GetStore();
  std::lock_guard<std::mutex> guard(store.lock);
  store.browsers[record.browser_id] = record;
}

void ObserveFrame(const FrameRecord& record) {
  Store& store = GetStore();
  std::lock_guard<std::mutex> guard(store.lock);
  store.frames[record.frame_id] = record;
  auto it = store.browsers.find(record.browser_id);
  if (it != store.browsers.end())
    it->second.frame_ids.push_back(record.frame_id);
}

void UpdateBrowserRecord(int browser_id,
                         const std::function<void(BrowserRecord*)>& edit) {
  Store& store = GetStore();
  std::lock_guard<std::mutex> guard(store.lock);
  auto it = store.browsers.find(browser_id);
  if (it != store.browsers.end())
    edit(&it->second);
}

void UpdateFrameRecord(int64_t frame_id,
                       const std::function<void(FrameRecord*)>& edit) {
  Store& store = GetStore();
  std::lock_guard<std::mutex> guard(store.lock);
  auto it = store.frames.find(frame_id);
  if (it != store.frames.end())
    edit(&it->second);
}

bool ReadBrowserRecord(int browser_id, BrowserRecord* record) {
  Store& store = GetStore();
  std::lock_guard<std::mutex> guard(store.lock);
  auto it = store.browsers.find(browser_id);
  if (it == store.browsers.end())
    return false;
  *record = it->second;
  return true;
}

bool ReadFrameRecord(int64_t frame_id, FrameRecord* record) {
  Store& store = GetStore();
  std::lock_guard<std::mutex> guard(store.lock);
  auto it = store.frames.find(frame_id);
  if (it == store.frames.end())
    return false;
  *record = it->second;
  return true;
}

std::vector<int> LiveBrowserIds() {
  Store& store = GetStore();
  std::lock_guard<std::mutex> guard(store.lock);
  std::vector<int> ids;
  for (const auto& entry : store.browsers) {
    if (entry.second.live)
      ids.push_back(entry.first);
  }
  return ids;
}

int LiveFrameCount() {
  Store& store = GetStore();
  std::lock_guard<std::mutex> guard(store.lock);
  int count = 0;
  for (const auto& entry : store.frames) {
    if (entry.second.live)
      ++count;
  }
  return count;
}

int ForgetClosedRecords() {
  Store& store = GetStore();
  std::lock_guard<std::mutex> guard(store.lock);
  int forgotten = 0;
  for (auto it = store.frames.begin(); it != store.frames.end();) {
    if (it->second.live) {
      ++it;
      continue;
    }
    it = store.frames.erase(it);
    ++forgotten;
  }
  for (auto it = store.browsers.begin(); it != store.browsers.end();) {
    if (!it->second.live) {
      it = store.browsers.erase(it);
      ++forgotten;
      continue;
    }
    std::vector<int64_t>& ids = it->second.frame_ids;
    ids.erase(
        std::remove_if(ids.begin(), ids.end(),
                       [&](int64_t id) { return !store.frames.count(id); }),
        ids.end());
    ++it;
  }
  return forgotten;
}

}  // namespace browser
}  // namespace cefsim

#include "browser/page_outcomes.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>

namespace cefsim {
namespace browser {
namespace {

struct Outcomes {
  std::mutex lock;
  std::condition_variable changed;
  // By page query id; every field guarded by |lock|.
  std::map<int, std::vector<process::PageQueryOutcome>> queries;
  std::set<int> synced;
  int last_query_id = 0;
  int last_sync_id = 0;
};

Outcomes& GetOutcomes() {
  static Outcomes* outcomes = new Outcomes();
  return *outcomes;
}

}  // namespace

void RecordPageQueryOutcome(int browser_id,
                            const process::PageQueryOutcome& outcome) {
  Outcomes& outcomes = GetOutcomes();
  {
    std::lock_guard<std::mutex> guard(outcomes.lock);
    outcomes.queries[outcome.page_query_id].push_back(outcome);
  }
  outcomes.changed.notify_all();
}

void RecordRendererSynced(int request_id) {
  Outcomes& outcomes = GetOutcomes();
  {
    std::lock_guard<std::mutex> guard(outcomes.lock);
    outcomes.synced.insert(request_id);
  }
  outcomes.changed.notify_all();
}

std::vector<process::PageQueryOutcome> WaitPageQueryOutcomes(int page_query_id,
                                                             int count,
                                                             int timeout_ms) {
  Outcomes& outcomes = GetOutcomes();
  std::unique_lock<std::mutex> guard(outcomes.lock);
  outcomes.changed.wait_for(guard, std::chrono::milliseconds(timeout_ms), [&] {
    return static_cast<int>(outcomes.queries[page_query_id].size()) >= count;
  });
  return outcomes.queries[page_query_id];
}

int ForgetPageQueryOutcomes(int page_query_id) {
  Outcomes& outcomes = GetOutcomes();
  std::lock_guard<std::mutex> guard(outcomes.lock);
  const auto found = outcomes.queries.find(page_query_id);
  if (found == outcomes.queries.end())
    return 0;
  const int count = static_cast<int>(found->second.size());
  outcomes.queries.erase(found);
  return count;
}

int NextPageQueryId() {
  Outcomes& outcomes = GetOutcomes();
  std::lock_guard<std::mutex> guard(outcomes.lock);
  return ++outcomes.last_query_id;
}

bool WaitRendererSynced(int request_id, int timeout_ms) {
  Outcomes& outcomes = GetOutcomes();
  std::unique_lock<std::mutex> guard(outcomes.lock);
  // Each request is waited for once; its acknowledgement goes with it.
  return outcomes.changed.wait_for(
      guard, std::chrono::milliseconds(timeout_ms),
      [&] { return outcomes.synced.erase(request_id) > 0; });
}

int NextSyncRequestId() {
  Outcomes& outcomes = GetOutcomes();
  std::lock_guard<std::mutex> guard(outcomes.lock);
  return ++outcomes.last_sync_id;
}

}  // namespace browser
}  // namespace cefsim

#include "preferences/preference_records.h"

#include <mutex>

namespace cefsim {
namespace browser {
namespace {

struct Records {
  std::mutex lock;
  std::vector<PreferenceSetRecord> sets;  // Guarded by |lock|.
};

// Leaked on purpose: read by tests until the process ends.
Records& GetRecords() {
  static Records* records = new Records();
  return *records;
}

}  // namespace

void RecordPreferenceSet(const PreferenceSetRecord& record) {
  Records& records = GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  records.sets.push_back(record);
}

std::vector<PreferenceSetRecord> PreferenceSetRecords() {
  Records& records = GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  return records.sets;
}

int ForgetPreferenceSets() {
  Records& records = GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  const int count = static_cast<int>(records.sets.size());
  records.sets.clear();
  records.sets.shrink_to_fit();
  return count;
}

}  // namespace browser
}  // namespace cefsim

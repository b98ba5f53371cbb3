// The record of every SetPreference call, for tests to read through the
// control interface. Any thread.
#ifndef CEFSIM_RUNTIME_BROWSER_PREFERENCE_RECORDS_H_
#define CEFSIM_RUNTIME_BROWSER_PREFERENCE_RECORDS_H_

#include <string>
#include <vector>

namespace cefsim {
namespace browser {

struct PreferenceSetRecord {
  int manager_id = 0;  // 0: local state; else the request context's id.
  std::string name;
  std::string value;  // DescribeValue text; "null" for a reset.
  bool on_ui_thread = false;
  bool succeeded = false;
  std::string error;
};

void RecordPreferenceSet(const PreferenceSetRecord& record);
std::vector<PreferenceSetRecord> PreferenceSetRecords();
// Drops every record so far; returns how many went.
int ForgetPreferenceSets();

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_PREFERENCE_RECORDS_H_

#include "auth/auth_records.h"

#include <mutex>

namespace cefsim {
namespace browser {
namespace {

struct Records {
  std::mutex lock;
  std::vector<AuthRecord> challenges;  // Guarded by |lock|.
};

// Leaked on purpose: read by tests until the process ends.
Records& GetRecords() {
  static Records* records = new Records();
  return *records;
}

}  // namespace

int AddAuthRecord(const AuthChallengeInfo& challenge) {
  Records& records = GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  AuthRecord record;
  record.challenge = challenge;
  records.challenges.push_back(record);
  return static_cast<int>(records.challenges.size()) - 1;
}

void UpdateAuthRecord(int index, bool asked_on_io_thread, bool handled) {
  Records& records = GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  records.challenges[index].asked_on_io_thread = asked_on_io_thread;
  records.challenges[index].handled = handled;
}

void SetAuthOutcome(int index,
                    AuthOutcome outcome,
                    const std::string& username,
                    const std::string& password) {
  Records& records = GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  AuthRecord& record = records.challenges[index];
  record.outcome = outcome;
  record.username = username;
  record.password = password;
}

std::vector<AuthRecord> AuthRecords() {
  Records& records = GetRecords();
  std::lock_guard<std::mutex> guard(records.lock);
  return records.challenges;
}

}  // namespace browser
}  // namespace cefsim

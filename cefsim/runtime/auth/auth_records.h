// The record of every authentication challenge put to a browser's client
// and how it was answered, for tests to read through the control
// interface. Any thread.
#ifndef CEFSIM_RUNTIME_BROWSER_AUTH_RECORDS_H_
#define CEFSIM_RUNTIME_BROWSER_AUTH_RECORDS_H_

#include <string>
#include <vector>

namespace cefsim {
namespace browser {

struct AuthChallengeInfo {
  int browser_id = 0;
  std::string url;         // The request that was challenged.
  std::string origin_url;  // Its origin, as GetAuthCredentials gets it.
  bool is_proxy = false;
  std::string host;  // The challenger: the server or the proxy.
  int port = 0;
  std::string realm;
  std::string scheme;
};

enum class AuthOutcome { kPending, kContinued, kCanceled };

struct AuthRecord {
  AuthChallengeInfo challenge;
  bool asked_on_io_thread = false;
  bool handled = false;  // GetAuthCredentials returned true.
  AuthOutcome outcome = AuthOutcome::kPending;
  std::string username;
  std::string password;
};

// Returns the index of the new record.
int AddAuthRecord(const AuthChallengeInfo& challenge);
void UpdateAuthRecord(int index, bool asked_on_io_thread, bool handled);
void SetAuthOutcome(int index,
                    AuthOutcome outcome,
                    const std::string& username,
                    const std::string& password);
std::vector<AuthRecord> AuthRecords();

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_AUTH_RECORDS_H_

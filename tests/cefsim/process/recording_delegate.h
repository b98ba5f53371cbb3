// A RendererHost::Delegate that keeps every report for the test thread to
// inspect. Reports arrive on the host's reader thread.
#ifndef TESTS_CEFSIM_PROCESS_RECORDING_DELEGATE_H_
#define TESTS_CEFSIM_PROCESS_RECORDING_DELEGATE_H_

#include <mutex>
#include <string>
#include <vector>

#include "process/renderer_host.h"

namespace orvtest {

struct ReceivedMessage {
  int browser_id = 0;
  int64_t frame_id = 0;
  CefRefPtr<CefProcessMessage> message;
};

class RecordingDelegate : public cefsim::process::RendererHost::Delegate {
 public:
  void OnRendererMessage(int browser_id,
                         int64_t frame_id,
                         CefRefPtr<CefProcessMessage> message) override;
  void OnPageQueryOutcome(
      int browser_id,
      const cefsim::process::PageQueryOutcome& outcome) override;
  void OnRendererSynced(int request_id) override;
  void OnRendererGone(cefsim::process::TerminationStatus status) override;

  // Copies of what arrived so far; any thread.
  std::vector<ReceivedMessage> messages();
  std::vector<cefsim::process::PageQueryOutcome> outcomes();
  std::vector<int> synced();
  std::vector<cefsim::process::TerminationStatus> gone();

  // Sends Sync(|request_id|) through |host| and waits for its
  // acknowledgement; false on timeout.
  bool SyncWith(cefsim::process::RendererHost* host, int request_id);

 private:
  std::mutex lock_;
  std::vector<ReceivedMessage> messages_;                    // Guarded.
  std::vector<cefsim::process::PageQueryOutcome> outcomes_;  // Guarded.
  std::vector<int> synced_;                                  // Guarded.
  std::vector<cefsim::process::TerminationStatus> gone_;     // Guarded.
};

}  // namespace orvtest

#endif  // TESTS_CEFSIM_PROCESS_RECORDING_DELEGATE_H_

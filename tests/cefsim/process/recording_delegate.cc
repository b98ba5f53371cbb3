#include "recording_delegate.h"

#include <algorithm>

#include "wait.h"

namespace orvtest {

void RecordingDelegate::OnRendererMessage(
    int browser_id,
    int64_t frame_id,
    CefRefPtr<CefProcessMessage> message) {
  std::lock_guard<std::mutex> guard(lock_);
  messages_.push_back({browser_id, frame_id, message});
}

void RecordingDelegate::OnPageQueryOutcome(
    int browser_id,
    const cefsim::process::PageQueryOutcome& outcome) {
  std::lock_guard<std::mutex> guard(lock_);
  outcomes_.push_back(outcome);
}

void RecordingDelegate::OnRendererSynced(int request_id) {
  std::lock_guard<std::mutex> guard(lock_);
  synced_.push_back(request_id);
}

void RecordingDelegate::OnRendererGone(
    cefsim::process::TerminationStatus status) {
  std::lock_guard<std::mutex> guard(lock_);
  gone_.push_back(status);
}

std::vector<ReceivedMessage> RecordingDelegate::messages() {
  std::lock_guard<std::mutex> guard(lock_);
  return messages_;
}

std::vector<cefsim::process::PageQueryOutcome> RecordingDelegate::outcomes() {
  std::lock_guard<std::mutex> guard(lock_);
  return outcomes_;
}

std::vector<int> RecordingDelegate::synced() {
  std::lock_guard<std::mutex> guard(lock_);
  return synced_;
}

std::vector<cefsim::process::TerminationStatus> RecordingDelegate::gone() {
  std::lock_guard<std::mutex> guard(lock_);
  return gone_;
}

bool RecordingDelegate::SyncWith(cefsim::process::RendererHost* host,
                                 int request_id) {
  host->Sync(request_id);
  return WaitUntil([&] {
    const std::vector<int> ids = synced();
    return std::find(ids.begin(), ids.end(), request_id) != ids.end();
  });
}

}  // namespace orvtest

#include "downloads/download_item_impl.h"

#include "diagnostics/records.h"

namespace cefsim {
namespace browser {
namespace {

CefBaseTime ToBaseTime(int64_t microseconds) {
  CefBaseTime time;
  time.val = microseconds;
  return time;
}

}  // namespace

DownloadItemImpl::DownloadItemImpl(const DownloadSnapshot& snapshot)
    : snapshot_(snapshot) {}

void DownloadItemImpl::Detach() {
  detached_ = true;
}

bool DownloadItemImpl::VerifyAttached() {
  if (!detached_)
    return true;
  ReportViolation("CefDownloadItem: object accessed after being detached");
  return false;
}

bool DownloadItemImpl::IsValid() {
  return !detached_;
}

bool DownloadItemImpl::IsInProgress() {
  return VerifyAttached() && snapshot_.state == DownloadItemState::kInProgress;
}

bool DownloadItemImpl::IsComplete() {
  return VerifyAttached() && snapshot_.state == DownloadItemState::kComplete;
}

bool DownloadItemImpl::IsCanceled() {
  return VerifyAttached() && snapshot_.state == DownloadItemState::kCanceled;
}

int64 DownloadItemImpl::GetCurrentSpeed() {
  // The simulated transfer takes no measurable time.
  VerifyAttached();
  return 0;
}

int DownloadItemImpl::GetPercentComplete() {
  if (!VerifyAttached())
    return -1;
  // download::DownloadItem: -1 while the size is unknown.
  if (snapshot_.total_bytes <= 0)
    return snapshot_.state == DownloadItemState::kComplete ? 100 : -1;
  return static_cast<int>(snapshot_.received_bytes * 100 /
                          snapshot_.total_bytes);
}

int64 DownloadItemImpl::GetTotalBytes() {
  return VerifyAttached() ? snapshot_.total_bytes : 0;
}

int64 DownloadItemImpl::GetReceivedBytes() {
  return VerifyAttached() ? snapshot_.received_bytes : 0;
}

CefBaseTime DownloadItemImpl::GetStartTime() {
  return ToBaseTime(VerifyAttached() ? snapshot_.start_time : 0);
}

CefBaseTime DownloadItemImpl::GetEndTime() {
  return ToBaseTime(VerifyAttached() ? snapshot_.end_time : 0);
}

CefString DownloadItemImpl::GetFullPath() {
  return VerifyAttached() ? snapshot_.full_path : std::string();
}

uint32 DownloadItemImpl::GetId() {
  return VerifyAttached() ? snapshot_.id : 0;
}

CefString DownloadItemImpl::GetURL() {
  return VerifyAttached() ? snapshot_.url : std::string();
}

CefString DownloadItemImpl::GetOriginalUrl() {
  return VerifyAttached() ? snapshot_.original_url : std::string();
}

CefString DownloadItemImpl::GetSuggestedFileName() {
  return VerifyAttached() ? snapshot_.suggested_file_name : std::string();
}

CefString DownloadItemImpl::GetContentDisposition() {
  return VerifyAttached() ? snapshot_.content_disposition : std::string();
}

CefString DownloadItemImpl::GetMimeType() {
  return VerifyAttached() ? snapshot_.mime_type : std::string();
}

}  // namespace browser
}  // namespace cefsim

// CefDownloadItem as CEF 109 hands it to the download handler: a view of
// the download's state that is valid only during the callback it was given
// to; after that IsValid is false and every other getter is misuse.
#ifndef CEFSIM_RUNTIME_BROWSER_DOWNLOAD_ITEM_IMPL_H_
#define CEFSIM_RUNTIME_BROWSER_DOWNLOAD_ITEM_IMPL_H_

#include <stdint.h>

#include <atomic>
#include <string>

#include "diagnostics/object_counts.h"
#include "include/cef_download_item.h"

namespace cefsim {
namespace browser {

enum class DownloadItemState { kInProgress, kComplete, kCanceled };

// What a download item shows; copied into each CefDownloadItem.
struct DownloadSnapshot {
  uint32_t id = 0;
  DownloadItemState state = DownloadItemState::kInProgress;
  int64_t total_bytes = 0;  // 0 when the server gave no size.
  int64_t received_bytes = 0;
  int64_t start_time = 0;  // Microseconds since the Windows epoch.
  int64_t end_time = 0;
  std::string full_path;  // Empty until the target is known.
  std::string url;
  std::string original_url;
  std::string suggested_file_name;
  std::string content_disposition;
  std::string mime_type;
};

class DownloadItemImpl : public CefDownloadItem {
 public:
  explicit DownloadItemImpl(const DownloadSnapshot& snapshot);
  // The callback that was given the item has returned.
  void Detach();

  bool IsValid() override;
  bool IsInProgress() override;
  bool IsComplete() override;
  bool IsCanceled() override;
  int64 GetCurrentSpeed() override;
  int GetPercentComplete() override;
  int64 GetTotalBytes() override;
  int64 GetReceivedBytes() override;
  CefBaseTime GetStartTime() override;
  CefBaseTime GetEndTime() override;
  CefString GetFullPath() override;
  uint32 GetId() override;
  CefString GetURL() override;
  CefString GetOriginalUrl() override;
  CefString GetSuggestedFileName() override;
  CefString GetContentDisposition() override;
  CefString GetMimeType() override;

 private:
  // False, and reported, once detached.
  bool VerifyAttached();

  const DownloadSnapshot snapshot_;
  std::atomic<bool> detached_{false};

  const LiveObjectCounter live_{CountedKind::kDownloadItem};

  IMPLEMENT_REFCOUNTING(DownloadItemImpl);
};

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_DOWNLOAD_ITEM_IMPL_H_

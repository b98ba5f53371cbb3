// The downloads of the browser process, as CEF 109's download manager
// delegate drives them: CanDownload for one the page starts, then
// OnBeforeDownload with a CefBeforeDownloadCallback whose first Continue
// picks the target (through the save dialog when asked), then
// OnDownloadUpdated for progress, completion and cancellation, all on the
// UI thread. A download whose callback is never continued stays in
// progress without a target, as Chromium leaves it.
#ifndef CEFSIM_RUNTIME_BROWSER_DOWNLOAD_MANAGER_H_
#define CEFSIM_RUNTIME_BROWSER_DOWNLOAD_MANAGER_H_

#include <stdint.h>

#include <string>

#include "downloads/download_item_impl.h"

namespace cefsim {
namespace browser {

struct DownloadRequest {
  std::string url;
  std::string file_name;  // From Content-Disposition; may be empty.
  std::string mime_type;
  int64_t total_bytes = 0;
  // The transfer stops before its last bytes until it is finished or
  // cancelled through the control interface.
  bool hold = false;
};

enum class DownloadPhase {
  kRefused,         // CanDownload returned false.
  kAwaitingTarget,  // OnBeforeDownload came; no Continue (yet).
  kChoosingPath,    // The save dialog is open.
  kTransferring,    // In progress with a target.
  kHeld,            // In progress, stopped before the end.
  kComplete,
  kCanceled,
};

struct DownloadRecord {
  int browser_id = 0;
  DownloadPhase phase = DownloadPhase::kAwaitingTarget;
  DownloadSnapshot item;  // What the last item showed.
  int can_download_calls = 0;
  int before_download_calls = 0;
  int updated_calls = 0;
  int continue_calls = 0;
  std::string continue_path;  // The first Continue's arguments.
  bool continue_show_dialog = false;
};

// Starts a download as a user action in the page of |browser_id| would
// (CanDownload is asked). Returns the download's control id, 0 for an
// unknown browser. Any thread.
int StartPageDownload(int browser_id, const DownloadRequest& request);
// A navigation whose response is a download hands it over (CanDownload is
// asked, as for a page's). Returns the control id. UI thread.
int StartResponseDownload(int browser_id, const DownloadRequest& request);

// Control, any thread; false when the download is not in a state for it.
bool FinishHeldDownload(int control_id);
// As the user cancelling a running download.
bool CancelDownload(int control_id);
// One more OnDownloadUpdated with the item as it is.
bool RepeatDownloadUpdate(int control_id);

bool ReadDownloadRecord(int control_id, DownloadRecord* record);
int DownloadCount();

// Served downloads: a navigation to |url| gets |request| as a download
// response. Any thread.
void ServeDownload(const std::string& url, const DownloadRequest& request);
bool FindServedDownload(const std::string& url, DownloadRequest* request);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_DOWNLOAD_MANAGER_H_

#include "browser/download_manager.h"

#include <windows.h>

#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "browser/browser_host_impl.h"
#include "browser/browser_registry.h"
#include "diagnostics/object_counts.h"
#include "diagnostics/records.h"
#include "downloads/save_dialog.h"
#include "include/cef_download_handler.h"
#include "text/url_canon.h"
#include "threads/threads.h"
#include "web/simulated_web.h"

namespace cefsim {
namespace browser {
namespace {

struct Download {
  DownloadRecord record;
  DownloadRequest request;
};

struct Downloads {
  std::mutex lock;
  std::map<int, Download> by_id;                  // Guarded by |lock|.
  std::map<std::string, DownloadRequest> served;  // Guarded by |lock|.
  uint32_t last_item_id = 0;                      // Guarded by |lock|.
};

// Leaked on purpose: read by tests until the process ends.
Downloads& GetDownloads() {
  static Downloads* downloads = new Downloads();
  return *downloads;
}

// Changes download |id| under the lock; false when it is unknown.
bool Edit(int id, const std::function<void(Download*)>& edit) {
  Downloads& downloads = GetDownloads();
  std::lock_guard<std::mutex> guard(downloads.lock);
  auto it = downloads.by_id.find(id);
  if (it == downloads.by_id.end())
    return false;
  edit(&it->second);
  return true;
}

Download Read(int id) {
  Download download;
  Edit(id, [&](Download* found) { download = *found; });
  return download;
}

bool IsInProgress(DownloadPhase phase) {
  return phase == DownloadPhase::kAwaitingTarget ||
         phase == DownloadPhase::kChoosingPath ||
         phase == DownloadPhase::kTransferring || phase == DownloadPhase::kHeld;
}

int64_t NowMicroseconds() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const uint64_t ticks =
      (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return static_cast<int64_t>(ticks / 10);
}

std::wstring Wide(const std::string& text) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(size > 0 ? size - 1 : 0, L'\0');
  if (size > 1)
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &wide[0], size);
  return wide;
}

std::string Narrow(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0,
                                       nullptr, nullptr);
  std::string narrow(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) {
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &narrow[0], size, nullptr,
                        nullptr);
  }
  return narrow;
}

// net::GenerateFileName, simplified: the Content-Disposition name, else the
// URL's last path segment, else "download".
std::string SuggestedName(const DownloadRequest& request) {
  if (!request.file_name.empty())
    return request.file_name;
  text::UrlParts parts;
  if (text::ParseUrl(request.url, &parts)) {
    const size_t slash = parts.path.rfind('/');
    const std::string last =
        slash == std::string::npos ? parts.path : parts.path.substr(slash + 1);
    if (!last.empty())
      return last;
  }
  return "download";
}

// The download handler of a browser that is still there, or null.
CefRefPtr<CefDownloadHandler> HandlerOf(CefRefPtr<BrowserHostImpl> browser) {
  if (!browser || !browser->IsValid())
    return nullptr;
  CefRefPtr<CefClient> client = browser->client();
  return client ? client->GetDownloadHandler() : nullptr;
}

void NotifyUpdated(int id);
void EndCanceled(int id);

// CefDownloadItemCallback: every call moves to the UI thread.
class DownloadItemCallbackImpl : public CefDownloadItemCallback {
 public:
  explicit DownloadItemCallbackImpl(int id) : id_(id) {}

  void Cancel() override {
    const int id = id_;
    PostTask(TID_UI, [id] {
      if (IsInProgress(Read(id).record.phase))
        EndCanceled(id);
    });
  }
  void Pause() override {
    const int id = id_;
    PostTask(TID_UI, [id] {
      Edit(id, [](Download* download) {
        if (download->record.phase == DownloadPhase::kTransferring)
          download->record.phase = DownloadPhase::kHeld;
      });
    });
  }
  void Resume() override { FinishHeldDownload(id_); }

 private:
  const int id_;
  const LiveObjectCounter live_{CountedKind::kDownloadCallback};

  IMPLEMENT_REFCOUNTING(DownloadItemCallbackImpl);
};

// UI thread. Delivered only while the browser is there: a download whose
// browser went on silently, as CEF stops calling back into it.
void NotifyUpdated(int id) {
  const Download download = Read(id);
  CefRefPtr<BrowserHostImpl> browser = FindBrowser(download.record.browser_id);
  CefRefPtr<CefDownloadHandler> handler = HandlerOf(browser);
  if (!handler)
    return;
  Edit(id, [](Download* found) { ++found->record.updated_calls; });
  CefRefPtr<DownloadItemImpl> item = new DownloadItemImpl(download.record.item);
  handler->OnDownloadUpdated(browser.get(), item.get(),
                             new DownloadItemCallbackImpl(id));
  item->Detach();
}

void EndCanceled(int id) {
  Edit(id, [](Download* download) {
    download->record.phase = DownloadPhase::kCanceled;
    download->record.item.state = DownloadItemState::kCanceled;
    // The partial file is deleted and the item forgets its path.
    download->record.item.full_path.clear();
    download->record.item.end_time = NowMicroseconds();
  });
  NotifyUpdated(id);
}

// The data arrives as a file at the target.
void WriteFile(const std::string& path, int64_t size) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    RecordNote("download-file-not-written", path);
    return;
  }
  const std::vector<char> chunk(4096, 'x');
  for (int64_t left = size; left > 0;) {
    const DWORD part = static_cast<DWORD>(left < 4096 ? left : 4096);
    DWORD written = 0;
    if (!::WriteFile(file, chunk.data(), part, &written, nullptr))
      break;
    left -= part;
  }
  CloseHandle(file);
}

void Complete(int id) {
  Download download = Read(id);
  if (download.record.phase != DownloadPhase::kTransferring)
    return;
  WriteFile(download.record.item.full_path, download.request.total_bytes);
  Edit(id, [](Download* found) {
    found->record.phase = DownloadPhase::kComplete;
    found->record.item.state = DownloadItemState::kComplete;
    found->record.item.received_bytes = found->request.total_bytes;
    found->record.item.end_time = NowMicroseconds();
  });
  NotifyUpdated(id);
}

// First half of the data, then the rest unless the download is held.
void Transfer(int id) {
  bool hold = false;
  Edit(id, [&](Download* download) {
    download->record.item.received_bytes = download->request.total_bytes / 2;
    hold = download->request.hold;
    if (hold)
      download->record.phase = DownloadPhase::kHeld;
  });
  NotifyUpdated(id);
  if (!hold)
    PostTask(TID_UI, [id] { Complete(id); });
}

// UI thread. |path| empty: the target was refused and the download ends.
void TargetDetermined(int id, const std::string& path) {
  if (!IsInProgress(Read(id).record.phase))
    return;
  if (path.empty()) {
    EndCanceled(id);
    return;
  }
  Edit(id, [&](Download* download) {
    download->record.phase = DownloadPhase::kTransferring;
    download->record.item.full_path = path;
  });
  NotifyUpdated(id);
  PostTask(TID_UI, [id] { Transfer(id); });
}

// CefBeforeDownloadCallbackImpl's GenerateFilename and ChooseDownloadPath.
// UI thread.
void ChooseTarget(int id,
                  const std::string& suggested_name,
                  const std::string& download_path,
                  bool show_dialog) {
  std::string path = download_path;
  if (!path.empty()) {
    const size_t separator = path.find_last_of("\\/");
    const std::string directory = separator == std::string::npos
                                      ? std::string()
                                      : path.substr(0, separator);
    if (!directory.empty() &&
        GetFileAttributesW(Wide(directory).c_str()) ==
            INVALID_FILE_ATTRIBUTES &&
        !CreateDirectoryW(Wide(directory).c_str(), nullptr)) {
      ReportViolation(
          "CefBeforeDownloadCallback::Continue: failed to create "
          "the download directory " +
          directory);
      path.clear();
    }
  }
  if (path.empty()) {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    path = length > 0 ? Narrow(temp) + suggested_name : suggested_name;
  }
  const Download download = Read(id);
  if (!IsInProgress(download.record.phase))
    return;
  CefRefPtr<BrowserHostImpl> browser = FindBrowser(download.record.browser_id);
  if (show_dialog && browser && browser->IsValid()) {
    Edit(id, [](Download* found) {
      found->record.phase = DownloadPhase::kChoosingPath;
    });
    RunSaveDialog(
        download.record.browser_id, path,
        [id](const std::string& chosen) { TargetDetermined(id, chosen); });
    return;
  }
  TargetDetermined(id, path);
}

class BeforeDownloadCallbackImpl : public CefBeforeDownloadCallback {
 public:
  BeforeDownloadCallbackImpl(int id, const std::string& suggested_name)
      : id_(id), suggested_name_(suggested_name) {}

  void Continue(const CefString& download_path, bool show_dialog) override {
    if (!CurrentlyOn(TID_UI)) {
      CefRefPtr<BeforeDownloadCallbackImpl> self(this);
      PostTask(TID_UI, [self, download_path, show_dialog] {
        self->Continue(download_path, show_dialog);
      });
      return;
    }
    const std::string path = download_path.ToString();
    Edit(id_, [&](Download* download) {
      if (download->record.continue_calls++ == 0) {
        download->record.continue_path = path;
        download->record.continue_show_dialog = show_dialog;
      }
    });
    if (continued_) {
      RecordNote("download-continue-again",
                 "CefBeforeDownloadCallback::Continue called again");
      return;
    }
    continued_ = true;
    // The file name is generated on a blocking thread, then the path is
    // chosen back on the UI thread.
    const int id = id_;
    const std::string suggested_name = suggested_name_;
    PostTask(TID_UI, [id, suggested_name, path, show_dialog] {
      ChooseTarget(id, suggested_name, path, show_dialog);
    });
  }

 private:
  ~BeforeDownloadCallbackImpl() override {
    if (!continued_) {
      RecordNote("download-callback-released",
                 "CefBeforeDownloadCallback released without Continue");
    }
  }

  const int id_;
  const std::string suggested_name_;
  std::atomic<bool> continued_{false};  // Written on the UI thread.

  const LiveObjectCounter live_{CountedKind::kDownloadCallback};

  IMPLEMENT_REFCOUNTING(BeforeDownloadCallbackImpl);
};

int AddDownload(int browser_id, const DownloadRequest& request) {
  Downloads& downloads = GetDownloads();
  std::lock_guard<std::mutex> guard(downloads.lock);
  const int id = static_cast<int>(downloads.by_id.size()) + 1;
  Download& download = downloads.by_id[id];
  download.request = request;
  download.record.browser_id = browser_id;
  return id;
}

uint32_t NextItemId() {
  Downloads& downloads = GetDownloads();
  std::lock_guard<std::mutex> guard(downloads.lock);
  return ++downloads.last_item_id;
}

// UI thread: CanDownload, then the item and OnBeforeDownload.
void Begin(int id) {
  const Download download = Read(id);
  CefRefPtr<BrowserHostImpl> browser = FindBrowser(download.record.browser_id);
  if (!browser || !browser->IsValid()) {
    // A download without a browser is rejected at once.
    Edit(id, [](Download* found) {
      found->record.phase = DownloadPhase::kCanceled;
    });
    return;
  }
  CefRefPtr<CefDownloadHandler> handler = HandlerOf(browser);
  if (handler) {
    Edit(id, [](Download* found) { ++found->record.can_download_calls; });
    if (!handler->CanDownload(browser.get(), download.request.url, "GET")) {
      Edit(id, [](Download* found) {
        found->record.phase = DownloadPhase::kRefused;
      });
      return;
    }
  }
  const std::string suggested_name = SuggestedName(download.request);
  DownloadSnapshot item;
  item.id = NextItemId();
  item.total_bytes = download.request.total_bytes;
  item.start_time = NowMicroseconds();
  item.url = download.request.url;
  item.original_url = download.request.url;
  if (!download.request.file_name.empty()) {
    item.content_disposition =
        "attachment; filename=\"" + download.request.file_name + "\"";
  }
  item.mime_type = download.request.mime_type.empty()
                       ? "application/octet-stream"
                       : download.request.mime_type;
  Edit(id, [&](Download* found) {
    found->record.item = item;
    found->record.phase = DownloadPhase::kAwaitingTarget;
  });
  // Without a handler nobody determines the target: the download waits.
  if (!handler)
    return;
  Edit(id, [](Download* found) { ++found->record.before_download_calls; });
  CefRefPtr<DownloadItemImpl> view = new DownloadItemImpl(item);
  handler->OnBeforeDownload(browser.get(), view.get(), suggested_name,
                            new BeforeDownloadCallbackImpl(id, suggested_name));
  view->Detach();
}

// Posts |work| for a download in one of |phases|; false otherwise.
bool PostIfIn(int id,
              std::vector<DownloadPhase> phases,
              std::function<void()> work) {
  const Download download = Read(id);
  for (DownloadPhase phase : phases) {
    if (download.record.browser_id != 0 && download.record.phase == phase)
      return PostTask(TID_UI, std::move(work));
  }
  return false;
}

}  // namespace

int StartPageDownload(int browser_id, const DownloadRequest& request) {
  if (!FindBrowser(browser_id))
    return 0;
  DownloadRequest canonical = request;
  canonical.url = CanonicalUrl(request.url);
  const int id = AddDownload(browser_id, canonical);
  PostTask(TID_UI, [id] { Begin(id); });
  return id;
}

int StartResponseDownload(int browser_id, const DownloadRequest& request) {
  RequireUiThread("StartResponseDownload");
  const int id = AddDownload(browser_id, request);
  PostTask(TID_UI, [id] { Begin(id); });
  return id;
}

bool FinishHeldDownload(int control_id) {
  return PostIfIn(control_id, {DownloadPhase::kHeld}, [control_id] {
    if (!Edit(control_id, [](Download* download) {
          if (download->record.phase == DownloadPhase::kHeld)
            download->record.phase = DownloadPhase::kTransferring;
        })) {
      return;
    }
    Complete(control_id);
  });
}

bool CancelDownload(int control_id) {
  return PostIfIn(control_id,
                  {DownloadPhase::kAwaitingTarget, DownloadPhase::kChoosingPath,
                   DownloadPhase::kTransferring, DownloadPhase::kHeld},
                  [control_id] {
                    if (IsInProgress(Read(control_id).record.phase))
                      EndCanceled(control_id);
                  });
}

bool RepeatDownloadUpdate(int control_id) {
  if (Read(control_id).record.browser_id == 0)
    return false;
  return PostTask(TID_UI, [control_id] { NotifyUpdated(control_id); });
}

bool ReadDownloadRecord(int control_id, DownloadRecord* record) {
  return Edit(control_id,
              [&](Download* download) { *record = download->record; });
}

int DownloadCount() {
  Downloads& downloads = GetDownloads();
  std::lock_guard<std::mutex> guard(downloads.lock);
  return static_cast<int>(downloads.by_id.size());
}

void ServeDownload(const std::string& url, const DownloadRequest& request) {
  Downloads& downloads = GetDownloads();
  std::lock_guard<std::mutex> guard(downloads.lock);
  DownloadRequest served = request;
  served.url = CanonicalUrl(url);
  downloads.served[served.url] = served;
}

bool FindServedDownload(const std::string& url, DownloadRequest* request) {
  Downloads& downloads = GetDownloads();
  std::lock_guard<std::mutex> guard(downloads.lock);
  auto it = downloads.served.find(url);
  if (it == downloads.served.end())
    return false;
  *request = it->second;
  return true;
}

}  // namespace browser
}  // namespace cefsim

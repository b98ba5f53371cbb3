#include "browser/renderer_link.h"

#include <windows.h>

#include <atomic>

#include "browser/browser_host_impl.h"
#include "browser/context.h"
#include "browser/page_outcomes.h"
#include "browser/scenario_player.h"
#include "diagnostics/records.h"
#include "threads/threads.h"

namespace cefsim {
namespace browser {
namespace {

std::wstring SubprocessPath() {
  CefSettings settings;
  std::wstring path;
  if (GetReceivedSettings(&settings))
    path = CefString(&settings.browser_subprocess_path).ToWString();
  if (!path.empty())
    return path;
  // As CEF: no sub-process path means this executable.
  wchar_t own[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, own, MAX_PATH);
  return own;
}

int NextSerial() {
  static std::atomic<int> last{0};
  return ++last;
}

}  // namespace

// static
std::unique_ptr<RendererLink> RendererLink::Launch(BrowserHostImpl* browser,
                                                   bool is_popup) {
  std::unique_ptr<RendererLink> link(new RendererLink(browser));
  const std::wstring path = SubprocessPath();
  link->host_ = process::RendererHost::Launch(path, link.get());
  if (!link->host_) {
    ReportViolation("the renderer process could not be started from " +
                    CefString(path).ToString());
    return nullptr;
  }
  link->host_->CreateBrowser(browser->id(), is_popup);
  return link;
}

RendererLink::RendererLink(BrowserHostImpl* browser)
    : browser_(browser), serial_(NextSerial()) {}

RendererLink::~RendererLink() {
  // The host goes first: it reports nothing more once destroyed.
  host_.reset();
}

void RendererLink::OnRendererMessage(int browser_id,
                                     int64_t frame_id,
                                     CefRefPtr<CefProcessMessage> message) {
  CefRefPtr<BrowserHostImpl> browser(browser_);
  PostTask(TID_UI, [browser, frame_id, message] {
    browser->OnRendererMessage(frame_id, message);
  });
}

void RendererLink::OnPageQueryOutcome(
    int browser_id,
    const process::PageQueryOutcome& outcome) {
  RecordPageQueryOutcome(browser_id, outcome);
  OnScenarioQueryOutcome(browser_, outcome);
}

void RendererLink::OnRendererSynced(int request_id) {
  RecordRendererSynced(request_id);
}

void RendererLink::OnRendererGone(process::TerminationStatus status) {
  CefRefPtr<BrowserHostImpl> browser(browser_);
  const int serial = serial_;
  PostTask(TID_UI, [browser, serial, status] {
    // A report of a link the browser has already replaced or dropped is
    // stale.
    RendererLink* current = browser->renderer();
    if (current && current->serial() == serial)
      browser->OnRendererGone(status);
  });
}

}  // namespace browser
}  // namespace cefsim

#include "browser/frame_impl.h"

#include "browser/browser_host_impl.h"
#include "browser/observations.h"
#include "browser/scenario_player.h"
#include "diagnostics/records.h"
#include "include/cef_urlrequest.h"
#include "include/cef_v8.h"

namespace cefsim {
namespace browser {
namespace {

void NotSimulated(const char* method) {
  ReportViolation(std::string("CefFrame::") + method + " is not simulated");
}

}  // namespace

FrameImpl::FrameImpl(BrowserHostImpl* browser,
                     int browser_id,
                     int64_t id,
                     int64_t parent_id,
                     const std::string& name)
    : browser_id_(browser_id),
      id_(id),
      parent_id_(parent_id),
      name_(name),
      browser_(browser) {}

void FrameImpl::Commit(const std::string& url, const std::string& html) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    url_ = url;
    html_ = html;
  }
  UpdateFrameRecord(id_, [&](FrameRecord* record) {
    record->url = url;
    record->html = html;
  });
}

void FrameImpl::Detach() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    browser_ = nullptr;
  }
  UpdateFrameRecord(id_, [](FrameRecord* record) { record->live = false; });
}

std::string FrameImpl::url() const {
  std::lock_guard<std::mutex> guard(lock_);
  return url_;
}

std::string FrameImpl::html() const {
  std::lock_guard<std::mutex> guard(lock_);
  return html_;
}

CefRefPtr<BrowserHostImpl> FrameImpl::Browser() {
  std::lock_guard<std::mutex> guard(lock_);
  return browser_;
}

bool FrameImpl::IsValid() {
  std::lock_guard<std::mutex> guard(lock_);
  return browser_ != nullptr;
}

void FrameImpl::Undo() {
  NotSimulated("Undo");
}
void FrameImpl::Redo() {
  NotSimulated("Redo");
}
void FrameImpl::Cut() {
  NotSimulated("Cut");
}
void FrameImpl::Copy() {
  NotSimulated("Copy");
}
void FrameImpl::Paste() {
  NotSimulated("Paste");
}
void FrameImpl::Delete() {
  NotSimulated("Delete");
}
void FrameImpl::SelectAll() {
  NotSimulated("SelectAll");
}
void FrameImpl::ViewSource() {
  NotSimulated("ViewSource");
}
void FrameImpl::GetSource(CefRefPtr<CefStringVisitor> visitor) {
  NotSimulated("GetSource");
}
void FrameImpl::GetText(CefRefPtr<CefStringVisitor> visitor) {
  NotSimulated("GetText");
}
void FrameImpl::LoadRequest(CefRefPtr<CefRequest> request) {
  NotSimulated("LoadRequest");
}

void FrameImpl::LoadURL(const CefString& url) {
  // CEF's wrapper checks the URL before anything else: a debug build stops
  // on an empty one, a release build drops it.
  if (url.empty()) {
    ReportViolation("Check failed: !url.empty(). ");
    return;
  }
  CefRefPtr<BrowserHostImpl> browser = Browser();
  if (!browser) {
    RecordNote("detached-frame-call", "LoadURL on a frame that went away");
    return;
  }
  browser->LoadUrlInFrame(id_, url.ToString());
}

void FrameImpl::ExecuteJavaScript(const CefString& code,
                                  const CefString& script_url,
                                  int start_line) {
  // CEF's wrapper checks the code before anything else: a debug build stops
  // on empty code, a release build drops it.
  if (code.empty()) {
    ReportViolation("Check failed: !code.empty(). ");
    return;
  }
  CefRefPtr<BrowserHostImpl> browser = Browser();
  if (!browser) {
    RecordNote("detached-frame-call",
               "ExecuteJavaScript on a frame that went away");
    return;
  }
  // V8 has no line 0; CEF makes every start line at least 1.
  browser->RunScriptInFrame(id_, code.ToString(), script_url.ToString(),
                            start_line <= 0 ? 1 : start_line);
  // A scenario's page answers the script after it has reached the page.
  OnScenarioScript(browser, id_, code.ToString());
}

bool FrameImpl::IsMain() {
  return parent_id_ == 0;
}

bool FrameImpl::IsFocused() {
  return IsMain();
}

CefString FrameImpl::GetName() {
  return name_;
}

int64 FrameImpl::GetIdentifier() {
  return id_;
}

CefRefPtr<CefFrame> FrameImpl::GetParent() {
  if (parent_id_ == 0)
    return nullptr;
  CefRefPtr<BrowserHostImpl> browser = Browser();
  return browser ? browser->FindFrame(parent_id_) : nullptr;
}

CefString FrameImpl::GetURL() {
  return url();
}

CefRefPtr<CefBrowser> FrameImpl::GetBrowser() {
  CefRefPtr<BrowserHostImpl> browser = Browser();
  return browser.get();
}

CefRefPtr<CefV8Context> FrameImpl::GetV8Context() {
  // Browser-process frames have no V8; CEF requires the renderer thread.
  ReportViolation("CefFrame::GetV8Context called in the browser process");
  return nullptr;
}

void FrameImpl::VisitDOM(CefRefPtr<CefDOMVisitor> visitor) {
  NotSimulated("VisitDOM");
}

CefRefPtr<CefURLRequest> FrameImpl::CreateURLRequest(
    CefRefPtr<CefRequest> request,
    CefRefPtr<CefURLRequestClient> client) {
  NotSimulated("CreateURLRequest");
  return nullptr;
}

void FrameImpl::SendProcessMessage(CefProcessId target_process,
                                   CefRefPtr<CefProcessMessage> message) {
  if (target_process != PID_RENDERER) {
    ReportViolation(
        "CefFrame::SendProcessMessage in the browser process must target "
        "PID_RENDERER");
    return;
  }
  if (!message || !message->IsValid())
    return;
  CefRefPtr<BrowserHostImpl> browser = Browser();
  if (!browser) {
    RecordNote("detached-frame-call",
               "SendProcessMessage on a frame that went away");
    return;
  }
  browser->SendToRenderer(id_, message);
}

}  // namespace browser
}  // namespace cefsim

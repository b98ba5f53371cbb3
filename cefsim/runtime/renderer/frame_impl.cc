#include "renderer/frame_impl.h"

#include "diagnostics/records.h"
#include "ipc/frame_codec.h"
#include "ipc/wire_protocol.h"
#include "renderer/browser_impl.h"
#include "renderer/render_process.h"
#include "renderer/render_thread.h"
#include "values/message_wire_format.h"

namespace cefsim {
namespace renderer {

FrameImpl::FrameImpl(BrowserImpl* browser,
                     int64_t frame_id,
                     int64_t parent_id,
                     bool is_main)
    : browser_(browser),
      frame_id_(frame_id),
      parent_id_(parent_id),
      is_main_(is_main) {}

FrameImpl::~FrameImpl() = default;

void FrameImpl::Commit(const std::string& url,
                       CefRefPtr<CefV8Context> context) {
  url_ = url;
  context_ = context;
}

CefRefPtr<CefV8Context> FrameImpl::TakeContext() {
  page_queries_.clear();
  CefRefPtr<CefV8Context> context = context_;
  context_ = nullptr;
  return context;
}

void FrameImpl::Detach() {
  browser_ = nullptr;
}

void FrameImpl::RecordScript(ScriptRecord script) {
  scripts_.push_back(std::move(script));
  if (scripts_.size() > kKeptScripts)
    scripts_.pop_front();
}

void FrameImpl::RememberPageQuery(int page_query_id, int query_id) {
  page_queries_[page_query_id] = query_id;
}

int FrameImpl::PageQueryId(int page_query_id) const {
  auto it = page_queries_.find(page_query_id);
  return it == page_queries_.end() ? 0 : it->second;
}

void FrameImpl::ForgetPageQuery(int page_query_id) {
  page_queries_.erase(page_query_id);
}

bool FrameImpl::IsValid() {
  if (!RequireRenderThread("CefFrame::IsValid"))
    return false;
  return attached();
}

// The editing commands act on the page's selection, which the simulated
// page does not have; CEF runs them without any answer either.
void FrameImpl::Undo() {}
void FrameImpl::Redo() {}
void FrameImpl::Cut() {}
void FrameImpl::Copy() {}
void FrameImpl::Paste() {}
void FrameImpl::Delete() {}
void FrameImpl::SelectAll() {}

void FrameImpl::ViewSource() {
  ReportViolation("ViewSource cannot be called from the renderer process");
}

// The renderer keeps no markup of its own (the browser process knows what
// each URL serves), so a visitor is given an empty document.
void FrameImpl::GetSource(CefRefPtr<CefStringVisitor> visitor) {
  if (!RequireRenderThread("CefFrame::GetSource"))
    return;
  if (attached() && visitor)
    visitor->Visit(CefString());
}

void FrameImpl::GetText(CefRefPtr<CefStringVisitor> visitor) {
  if (!RequireRenderThread("CefFrame::GetText"))
    return;
  if (attached() && visitor)
    visitor->Visit(CefString());
}

// Navigations started by the renderer are not modelled: the browser
// process decides every navigation. They are noted so a test sees them.
void FrameImpl::LoadRequest(CefRefPtr<CefRequest> request) {
  if (!RequireRenderThread("CefFrame::LoadRequest") || !attached())
    return;
  RecordNote("renderer_navigation_ignored", "LoadRequest");
}

void FrameImpl::LoadURL(const CefString& url) {
  if (!RequireRenderThread("CefFrame::LoadURL") || !attached())
    return;
  RecordNote("renderer_navigation_ignored", url.ToString());
}

void FrameImpl::ExecuteJavaScript(const CefString& code,
                                  const CefString& script_url,
                                  int start_line) {
  if (!RequireRenderThread("CefFrame::ExecuteJavaScript") || !attached())
    return;
  RecordScript({code.ToString(), script_url.ToString(), start_line});
}

bool FrameImpl::IsMain() {
  if (!RequireRenderThread("CefFrame::IsMain"))
    return false;
  return attached() && is_main_;
}

// The simulated page never takes the keyboard focus.
bool FrameImpl::IsFocused() {
  RequireRenderThread("CefFrame::IsFocused");
  return false;
}

// Frames carry no names in the simulated web.
CefString FrameImpl::GetName() {
  RequireRenderThread("CefFrame::GetName");
  return CefString();
}

int64 FrameImpl::GetIdentifier() {
  if (!RequireRenderThread("CefFrame::GetIdentifier"))
    return 0;
  return frame_id_;
}

CefRefPtr<CefFrame> FrameImpl::GetParent() {
  if (!RequireRenderThread("CefFrame::GetParent"))
    return nullptr;
  if (!attached() || is_main_)
    return nullptr;
  return browser_->FindFrame(parent_id_).get();
}

CefString FrameImpl::GetURL() {
  if (!RequireRenderThread("CefFrame::GetURL"))
    return CefString();
  return attached() ? CefString(url_) : CefString();
}

CefRefPtr<CefBrowser> FrameImpl::GetBrowser() {
  if (!RequireRenderThread("CefFrame::GetBrowser"))
    return nullptr;
  return browser_.get();
}

CefRefPtr<CefV8Context> FrameImpl::GetV8Context() {
  if (!RequireRenderThread("CefFrame::GetV8Context"))
    return nullptr;
  return attached() ? context_ : nullptr;
}

// There is no DOM; CEF hands the visitor a null document in that case.
void FrameImpl::VisitDOM(CefRefPtr<CefDOMVisitor> visitor) {
  if (!RequireRenderThread("CefFrame::VisitDOM") || !attached() || !visitor)
    return;
  visitor->Visit(nullptr);
}

// Requests from the renderer are not modelled; CEF gives null for one it
// cannot start.
CefRefPtr<CefURLRequest> FrameImpl::CreateURLRequest(
    CefRefPtr<CefRequest> request,
    CefRefPtr<CefURLRequestClient> client) {
  RequireRenderThread("CefFrame::CreateURLRequest");
  return nullptr;
}

void FrameImpl::SendProcessMessage(CefProcessId target_process,
                                   CefRefPtr<CefProcessMessage> message) {
  if (!RequireRenderThread("CefFrame::SendProcessMessage"))
    return;
  if (target_process != PID_BROWSER) {
    ReportViolation(
        "CefFrame::SendProcessMessage from the renderer must target "
        "PID_BROWSER");
  }
  if (!message || !message->IsValid()) {
    ReportViolation("CefFrame::SendProcessMessage with an invalid message");
    return;
  }
  RenderProcess* process = RenderProcess::Get();
  std::string encoded;
  // Encoding takes the payload, so the message is invalid afterwards even
  // when a detached frame then drops it, as in CEF.
  if (!process || !values::EncodeProcessMessage(
                      message.get(), process->browser_process(), &encoded)) {
    return;
  }
  if (!attached())
    return;
  process->SendToBrowser(
      ipc::FrameWriter(static_cast<uint8_t>(ipc::ToBrowser::kProcessMessage))
          .Int32(browser_->browser_id())
          .Int64(frame_id_)
          .String(encoded));
}

}  // namespace renderer
}  // namespace cefsim

#include "renderer/browser_impl.h"

#include "diagnostics/records.h"
#include "renderer/render_thread.h"

namespace cefsim {
namespace renderer {

BrowserImpl::BrowserImpl(int browser_id, bool is_popup)
    : browser_id_(browser_id), is_popup_(is_popup) {}

BrowserImpl::~BrowserImpl() = default;

CefRefPtr<FrameImpl> BrowserImpl::FindFrame(int64_t frame_id) const {
  auto it = frames_.find(frame_id);
  return it == frames_.end() ? nullptr : it->second;
}

CefRefPtr<FrameImpl> BrowserImpl::AddFrame(int64_t frame_id,
                                           int64_t parent_id,
                                           bool is_main) {
  CefRefPtr<FrameImpl> frame =
      new FrameImpl(this, frame_id, parent_id, is_main);
  frames_[frame_id] = frame;
  return frame;
}

void BrowserImpl::RemoveFrame(int64_t frame_id) {
  auto it = frames_.find(frame_id);
  if (it == frames_.end())
    return;
  CefRefPtr<FrameImpl> frame = it->second;
  frames_.erase(it);
  frame->Detach();
}

std::vector<CefRefPtr<FrameImpl>> BrowserImpl::ChildrenOf(
    int64_t frame_id) const {
  std::vector<CefRefPtr<FrameImpl>> children;
  for (const auto& entry : frames_) {
    if (entry.second->parent_id() == frame_id && !entry.second->is_main())
      children.push_back(entry.second);
  }
  return children;
}

std::vector<CefRefPtr<FrameImpl>> BrowserImpl::Frames() const {
  std::vector<CefRefPtr<FrameImpl>> frames;
  for (const auto& entry : frames_)
    frames.push_back(entry.second);
  return frames;
}

CefRefPtr<FrameImpl> BrowserImpl::MainFrame() const {
  for (const auto& entry : frames_) {
    if (entry.second->is_main())
      return entry.second;
  }
  return nullptr;
}

bool BrowserImpl::IsValid() {
  if (!RequireRenderThread("CefBrowser::IsValid"))
    return false;
  return valid_;
}

CefRefPtr<CefBrowserHost> BrowserImpl::GetHost() {
  ReportViolation("GetHost cannot be called from the render process");
  return nullptr;
}

// The renderer does not model session history or loading: the browser
// process owns navigation. CEF would ask Blink; here the answers are those
// of a page without history that has finished loading.
bool BrowserImpl::CanGoBack() {
  RequireRenderThread("CefBrowser::CanGoBack");
  return false;
}

void BrowserImpl::GoBack() {
  RequireRenderThread("CefBrowser::GoBack");
}

bool BrowserImpl::CanGoForward() {
  RequireRenderThread("CefBrowser::CanGoForward");
  return false;
}

void BrowserImpl::GoForward() {
  RequireRenderThread("CefBrowser::GoForward");
}

bool BrowserImpl::IsLoading() {
  RequireRenderThread("CefBrowser::IsLoading");
  return false;
}

void BrowserImpl::Reload() {
  if (RequireRenderThread("CefBrowser::Reload"))
    RecordNote("renderer_navigation_ignored", "Reload");
}

void BrowserImpl::ReloadIgnoreCache() {
  if (RequireRenderThread("CefBrowser::ReloadIgnoreCache"))
    RecordNote("renderer_navigation_ignored", "ReloadIgnoreCache");
}

void BrowserImpl::StopLoad() {
  RequireRenderThread("CefBrowser::StopLoad");
}

int BrowserImpl::GetIdentifier() {
  if (!RequireRenderThread("CefBrowser::GetIdentifier"))
    return 0;
  return browser_id_;
}

bool BrowserImpl::IsSame(CefRefPtr<CefBrowser> that) {
  if (!RequireRenderThread("CefBrowser::IsSame"))
    return false;
  return that.get() == this;
}

bool BrowserImpl::IsPopup() {
  if (!RequireRenderThread("CefBrowser::IsPopup"))
    return false;
  return is_popup_;
}

bool BrowserImpl::HasDocument() {
  if (!RequireRenderThread("CefBrowser::HasDocument"))
    return false;
  return MainFrame() != nullptr;
}

CefRefPtr<CefFrame> BrowserImpl::GetMainFrame() {
  if (!RequireRenderThread("CefBrowser::GetMainFrame"))
    return nullptr;
  return MainFrame().get();
}

CefRefPtr<CefFrame> BrowserImpl::GetFocusedFrame() {
  RequireRenderThread("CefBrowser::GetFocusedFrame");
  return nullptr;
}

CefRefPtr<CefFrame> BrowserImpl::GetFrame(int64 identifier) {
  if (!RequireRenderThread("CefBrowser::GetFrame"))
    return nullptr;
  // CEF's renderer takes its invalid frame id (-1) for the main frame.
  if (identifier == -1)
    return MainFrame().get();
  return FindFrame(identifier).get();
}

// Frames have no names in the simulated web, so none is found by one.
CefRefPtr<CefFrame> BrowserImpl::GetFrame(const CefString& name) {
  RequireRenderThread("CefBrowser::GetFrame");
  return nullptr;
}

size_t BrowserImpl::GetFrameCount() {
  if (!RequireRenderThread("CefBrowser::GetFrameCount"))
    return 0;
  return frames_.size();
}

void BrowserImpl::GetFrameIdentifiers(std::vector<int64>& identifiers) {
  if (!RequireRenderThread("CefBrowser::GetFrameIdentifiers"))
    return;
  identifiers.clear();
  for (const auto& entry : frames_)
    identifiers.push_back(entry.first);
}

void BrowserImpl::GetFrameNames(std::vector<CefString>& names) {
  if (!RequireRenderThread("CefBrowser::GetFrameNames"))
    return;
  names.clear();
  for (size_t i = 0; i < frames_.size(); ++i)
    names.push_back(CefString());
}

}  // namespace renderer
}  // namespace cefsim

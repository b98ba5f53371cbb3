// The CefBrowserHost methods the simulation does not model. The kit does not
// use them; a call is reported, so nothing silently pretends to work.
#include "browser/browser_host_impl.h"
#include "diagnostics/records.h"

namespace cefsim {
namespace browser {
namespace {

void NotSimulated(const char* method) {
  ReportViolation(std::string("CefBrowserHost::") + method +
                  " is not simulated");
}

}  // namespace

double BrowserHostImpl::GetZoomLevel() {
  NotSimulated("GetZoomLevel");
  return 0;
}

void BrowserHostImpl::SetZoomLevel(double zoomLevel) {
  NotSimulated("SetZoomLevel");
}

void BrowserHostImpl::RunFileDialog(
    FileDialogMode mode,
    const CefString& title,
    const CefString& default_file_path,
    const std::vector<CefString>& accept_filters,
    CefRefPtr<CefRunFileDialogCallback> callback) {
  NotSimulated("RunFileDialog");
}

void BrowserHostImpl::StartDownload(const CefString& url) {
  NotSimulated("StartDownload");
}

void BrowserHostImpl::DownloadImage(
    const CefString& image_url,
    bool is_favicon,
    uint32 max_image_size,
    bool bypass_cache,
    CefRefPtr<CefDownloadImageCallback> callback) {
  NotSimulated("DownloadImage");
}

void BrowserHostImpl::Print() {
  NotSimulated("Print");
}

void BrowserHostImpl::PrintToPDF(const CefString& path,
                                 const CefPdfPrintSettings& settings,
                                 CefRefPtr<CefPdfPrintCallback> callback) {
  NotSimulated("PrintToPDF");
}

void BrowserHostImpl::Find(const CefString& searchText,
                           bool forward,
                           bool matchCase,
                           bool findNext) {
  NotSimulated("Find");
}

void BrowserHostImpl::StopFinding(bool clearSelection) {
  NotSimulated("StopFinding");
}

void BrowserHostImpl::ShowDevTools(const CefWindowInfo& windowInfo,
                                   CefRefPtr<CefClient> client,
                                   const CefBrowserSettings& settings,
                                   const CefPoint& inspect_element_at) {
  NotSimulated("ShowDevTools");
}

void BrowserHostImpl::CloseDevTools() {
  NotSimulated("CloseDevTools");
}

bool BrowserHostImpl::HasDevTools() {
  NotSimulated("HasDevTools");
  return false;
}

bool BrowserHostImpl::SendDevToolsMessage(const void* message,
                                          size_t message_size) {
  NotSimulated("SendDevToolsMessage");
  return false;
}

int BrowserHostImpl::ExecuteDevToolsMethod(
    int message_id,
    const CefString& method,
    CefRefPtr<CefDictionaryValue> params) {
  NotSimulated("ExecuteDevToolsMethod");
  return 0;
}

CefRefPtr<CefRegistration> BrowserHostImpl::AddDevToolsMessageObserver(
    CefRefPtr<CefDevToolsMessageObserver> observer) {
  NotSimulated("AddDevToolsMessageObserver");
  return nullptr;
}

void BrowserHostImpl::GetNavigationEntries(
    CefRefPtr<CefNavigationEntryVisitor> visitor,
    bool current_only) {
  NotSimulated("GetNavigationEntries");
}

void BrowserHostImpl::ReplaceMisspelling(const CefString& word) {
  NotSimulated("ReplaceMisspelling");
}

void BrowserHostImpl::AddWordToDictionary(const CefString& word) {
  NotSimulated("AddWordToDictionary");
}

void BrowserHostImpl::NotifyScreenInfoChanged() {
  NotSimulated("NotifyScreenInfoChanged");
}

void BrowserHostImpl::Invalidate(PaintElementType type) {
  NotSimulated("Invalidate");
}

void BrowserHostImpl::SendExternalBeginFrame() {
  NotSimulated("SendExternalBeginFrame");
}

void BrowserHostImpl::SendKeyEvent(const CefKeyEvent& event) {
  NotSimulated("SendKeyEvent");
}

void BrowserHostImpl::SendMouseClickEvent(const CefMouseEvent& event,
                                          MouseButtonType type,
                                          bool mouseUp,
                                          int clickCount) {
  NotSimulated("SendMouseClickEvent");
}

void BrowserHostImpl::SendMouseMoveEvent(const CefMouseEvent& event,
                                         bool mouseLeave) {
  NotSimulated("SendMouseMoveEvent");
}

void BrowserHostImpl::SendMouseWheelEvent(const CefMouseEvent& event,
                                          int deltaX,
                                          int deltaY) {
  NotSimulated("SendMouseWheelEvent");
}

void BrowserHostImpl::SendTouchEvent(const CefTouchEvent& event) {
  NotSimulated("SendTouchEvent");
}

void BrowserHostImpl::SendCaptureLostEvent() {
  NotSimulated("SendCaptureLostEvent");
}

int BrowserHostImpl::GetWindowlessFrameRate() {
  NotSimulated("GetWindowlessFrameRate");
  return 0;
}

void BrowserHostImpl::SetWindowlessFrameRate(int frame_rate) {
  NotSimulated("SetWindowlessFrameRate");
}

void BrowserHostImpl::ImeSetComposition(
    const CefString& text,
    const std::vector<CefCompositionUnderline>& underlines,
    const CefRange& replacement_range,
    const CefRange& selection_range) {
  NotSimulated("ImeSetComposition");
}

void BrowserHostImpl::ImeCommitText(const CefString& text,
                                    const CefRange& replacement_range,
                                    int relative_cursor_pos) {
  NotSimulated("ImeCommitText");
}

void BrowserHostImpl::ImeFinishComposingText(bool keep_selection) {
  NotSimulated("ImeFinishComposingText");
}

void BrowserHostImpl::ImeCancelComposition() {
  NotSimulated("ImeCancelComposition");
}

void BrowserHostImpl::DragTargetDragEnter(CefRefPtr<CefDragData> drag_data,
                                          const CefMouseEvent& event,
                                          DragOperationsMask allowed_ops) {
  NotSimulated("DragTargetDragEnter");
}

void BrowserHostImpl::DragTargetDragOver(const CefMouseEvent& event,
                                         DragOperationsMask allowed_ops) {
  NotSimulated("DragTargetDragOver");
}

void BrowserHostImpl::DragTargetDragLeave() {
  NotSimulated("DragTargetDragLeave");
}

void BrowserHostImpl::DragTargetDrop(const CefMouseEvent& event) {
  NotSimulated("DragTargetDrop");
}

void BrowserHostImpl::DragSourceEndedAt(int x, int y, DragOperationsMask op) {
  NotSimulated("DragSourceEndedAt");
}

void BrowserHostImpl::DragSourceSystemDragEnded() {
  NotSimulated("DragSourceSystemDragEnded");
}

CefRefPtr<CefNavigationEntry> BrowserHostImpl::GetVisibleNavigationEntry() {
  NotSimulated("GetVisibleNavigationEntry");
  return nullptr;
}

void BrowserHostImpl::SetAccessibilityState(cef_state_t accessibility_state) {
  NotSimulated("SetAccessibilityState");
}

void BrowserHostImpl::SetAutoResizeEnabled(bool enabled,
                                           const CefSize& min_size,
                                           const CefSize& max_size) {
  NotSimulated("SetAutoResizeEnabled");
}

CefRefPtr<CefExtension> BrowserHostImpl::GetExtension() {
  NotSimulated("GetExtension");
  return nullptr;
}

bool BrowserHostImpl::IsBackgroundHost() {
  NotSimulated("IsBackgroundHost");
  return false;
}

void BrowserHostImpl::SetAudioMuted(bool mute) {
  NotSimulated("SetAudioMuted");
}

bool BrowserHostImpl::IsAudioMuted() {
  NotSimulated("IsAudioMuted");
  return false;
}

}  // namespace browser
}  // namespace cefsim

// One browser of the browser process: CefBrowser and CefBrowserHost in one
// object, as CEF implements them, with its window, its frames, its
// navigations and its renderer process.
#ifndef CEFSIM_RUNTIME_BROWSER_BROWSER_HOST_IMPL_H_
#define CEFSIM_RUNTIME_BROWSER_BROWSER_HOST_IMPL_H_

#include <stdint.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "browser/frame_impl.h"
#include "browser/page_state.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "process/termination_status.h"

namespace cefsim {
namespace browser {

class Navigator;
class RendererLink;

class BrowserHostImpl : public CefBrowserHost, public CefBrowser {
 public:
  // Browser objects not yet destroyed, closed ones included: whoever still
  // holds a reference keeps one alive. Any thread.
  static int object_count() { return object_count_; }

  struct CreateParams {
    CefWindowInfo window_info;
    CefRefPtr<CefClient> client;
    std::string url;
    CefBrowserSettings settings;
    CefRefPtr<CefDictionaryValue> extra_info;
    bool is_popup = false;
    int opener_id = 0;
    CefRefPtr<CefRequestContext> request_context;  // Null: the global one.
  };

  // Makes the browser and its window, starts its renderer, calls
  // OnAfterCreated and then starts the first navigation. Null when the
  // window could not be created. UI thread.
  static CefRefPtr<BrowserHostImpl> Create(const CreateParams& params);

  int id() const { return id_; }
  HWND window() const;
  CefRefPtr<CefClient> client() const { return client_; }
  const CefBrowserSettings& settings() const { return settings_; }
  CefRefPtr<FrameImpl> FindFrame(int64_t frame_id) const;  // Any thread.
  CefRefPtr<FrameImpl> main_frame() const;                 // Any thread.
  // Null once the browser is destroyed. UI thread.
  Navigator* navigator() const { return navigator_.get(); }
  // The browser's renderer process, started when there is none (after it
  // died). Null when it cannot be started. UI thread.
  RendererLink* EnsureRenderer();
  // The renderer when one runs, without starting one. UI thread.
  RendererLink* renderer() const { return renderer_.get(); }

  // Frame tree, UI thread. A new sub-frame of |parent_id|.
  CefRefPtr<FrameImpl> AddSubFrame(int64_t parent_id);
  // Removes the sub-frames below |frame_id| (not the frame itself).
  void RemoveSubFrames(int64_t frame_id);

  // Asked from any thread; applied on the UI thread.
  void LoadUrlInFrame(int64_t frame_id, const std::string& url);
  void RunScriptInFrame(int64_t frame_id,
                        const std::string& code,
                        const std::string& script_url,
                        int start_line);
  void SendToRenderer(int64_t frame_id, CefRefPtr<CefProcessMessage> message);

  // Navigation lock, as CEF holds it around load and navigation callbacks:
  // a navigation asked for meanwhile runs after the lock is released (the
  // last one asked for wins). UI thread.
  class NavigationLock {
   public:
    explicit NavigationLock(BrowserHostImpl* browser);
    ~NavigationLock();

   private:
    CefRefPtr<BrowserHostImpl> browser_;
  };

  // Window procedure events. UI thread.
  bool OnWindowClose();  // WM_CLOSE: true lets the window be destroyed.
  void OnWindowDestroyed();
  void Paint(HDC dc, const RECT& area);
  // The display title changed (drawn in the window). UI thread.
  void SetShownTitle(const std::string& title);
  // One of the page's own queries for |request| got |outcome| (drawn in the
  // window). UI thread.
  void ShowPageAnswer(const std::string& request,
                      const process::PageQueryOutcome& outcome);

  // Reports from the renderer process, moved to the UI thread.
  void OnRendererMessage(int64_t frame_id,
                         CefRefPtr<CefProcessMessage> message);
  void OnRendererGone(process::TerminationStatus status);

  // CefShutdown with the browser still open: destroyed with OnBeforeClose
  // and no DoClose; its window is cut from it and left to the end of the UI
  // thread. UI thread.
  void DestroyAtShutdown();

  // CefBrowser:
  bool IsValid() override;
  CefRefPtr<CefBrowserHost> GetHost() override;
  bool CanGoBack() override;
  void GoBack() override;
  bool CanGoForward() override;
  void GoForward() override;
  bool IsLoading() override;
  void Reload() override;
  void ReloadIgnoreCache() override;
  void StopLoad() override;
  int GetIdentifier() override;
  bool IsSame(CefRefPtr<CefBrowser> that) override;
  bool IsPopup() override;
  bool HasDocument() override;
  CefRefPtr<CefFrame> GetMainFrame() override;
  CefRefPtr<CefFrame> GetFocusedFrame() override;
  CefRefPtr<CefFrame> GetFrame(int64 identifier) override;
  CefRefPtr<CefFrame> GetFrame(const CefString& name) override;
  size_t GetFrameCount() override;
  void GetFrameIdentifiers(std::vector<int64>& identifiers) override;
  void GetFrameNames(std::vector<CefString>& names) override;

  // CefBrowserHost, simulated:
  CefRefPtr<CefBrowser> GetBrowser() override;
  void CloseBrowser(bool force_close) override;
  bool TryCloseBrowser() override;
  CefWindowHandle GetWindowHandle() override;
  CefWindowHandle GetOpenerWindowHandle() override;
  bool HasView() override;
  CefRefPtr<CefClient> GetClient() override;
  CefRefPtr<CefRequestContext> GetRequestContext() override;
  bool IsWindowRenderingDisabled() override;
  void SetFocus(bool focus) override;
  void WasResized() override;
  void WasHidden(bool hidden) override;
  void NotifyMoveOrResizeStarted() override;

  // CefBrowserHost, not simulated (browser_host_unsupported.cc): each
  // reports its use as a violation.
  double GetZoomLevel() override;
  void SetZoomLevel(double zoomLevel) override;
  void RunFileDialog(FileDialogMode mode,
                     const CefString& title,
                     const CefString& default_file_path,
                     const std::vector<CefString>& accept_filters,
                     CefRefPtr<CefRunFileDialogCallback> callback) override;
  void StartDownload(const CefString& url) override;
  void DownloadImage(const CefString& image_url,
                     bool is_favicon,
                     uint32 max_image_size,
                     bool bypass_cache,
                     CefRefPtr<CefDownloadImageCallback> callback) override;
  void Print() override;
  void PrintToPDF(const CefString& path,
                  const CefPdfPrintSettings& settings,
                  CefRefPtr<CefPdfPrintCallback> callback) override;
  void Find(const CefString& searchText,
            bool forward,
            bool matchCase,
            bool findNext) override;
  void StopFinding(bool clearSelection) override;
  void ShowDevTools(const CefWindowInfo& windowInfo,
                    CefRefPtr<CefClient> client,
                    const CefBrowserSettings& settings,
                    const CefPoint& inspect_element_at) override;
  void CloseDevTools() override;
  bool HasDevTools() override;
  bool SendDevToolsMessage(const void* message, size_t message_size) override;
  int ExecuteDevToolsMethod(int message_id,
                            const CefString& method,
                            CefRefPtr<CefDictionaryValue> params) override;
  CefRefPtr<CefRegistration> AddDevToolsMessageObserver(
      CefRefPtr<CefDevToolsMessageObserver> observer) override;
  void GetNavigationEntries(CefRefPtr<CefNavigationEntryVisitor> visitor,
                            bool current_only) override;
  void ReplaceMisspelling(const CefString& word) override;
  void AddWordToDictionary(const CefString& word) override;
  void NotifyScreenInfoChanged() override;
  void Invalidate(PaintElementType type) override;
  void SendExternalBeginFrame() override;
  void SendKeyEvent(const CefKeyEvent& event) override;
  void SendMouseClickEvent(const CefMouseEvent& event,
                           MouseButtonType type,
                           bool mouseUp,
                           int clickCount) override;
  void SendMouseMoveEvent(const CefMouseEvent& event, bool mouseLeave) override;
  void SendMouseWheelEvent(const CefMouseEvent& event,
                           int deltaX,
                           int deltaY) override;
  void SendTouchEvent(const CefTouchEvent& event) override;
  void SendCaptureLostEvent() override;
  int GetWindowlessFrameRate() override;
  void SetWindowlessFrameRate(int frame_rate) override;
  void ImeSetComposition(const CefString& text,
                         const std::vector<CefCompositionUnderline>& underlines,
                         const CefRange& replacement_range,
                         const CefRange& selection_range) override;
  void ImeCommitText(const CefString& text,
                     const CefRange& replacement_range,
                     int relative_cursor_pos) override;
  void ImeFinishComposingText(bool keep_selection) override;
  void ImeCancelComposition() override;
  void DragTargetDragEnter(CefRefPtr<CefDragData> drag_data,
                           const CefMouseEvent& event,
                           DragOperationsMask allowed_ops) override;
  void DragTargetDragOver(const CefMouseEvent& event,
                          DragOperationsMask allowed_ops) override;
  void DragTargetDragLeave() override;
  void DragTargetDrop(const CefMouseEvent& event) override;
  void DragSourceEndedAt(int x, int y, DragOperationsMask op) override;
  void DragSourceSystemDragEnded() override;
  CefRefPtr<CefNavigationEntry> GetVisibleNavigationEntry() override;
  void SetAccessibilityState(cef_state_t accessibility_state) override;
  void SetAutoResizeEnabled(bool enabled,
                            const CefSize& min_size,
                            const CefSize& max_size) override;
  CefRefPtr<CefExtension> GetExtension() override;
  bool IsBackgroundHost() override;
  void SetAudioMuted(bool mute) override;
  bool IsAudioMuted() override;

 private:
  static std::atomic<int> object_count_;

  enum class Destruction { kNone, kPending, kAccepted, kCompleted };

  BrowserHostImpl(int id, const CreateParams& params);
  ~BrowserHostImpl() override;

  bool CreateWindowAsAsked();
  // CEF's CloseContents: asks DoClose unless the window is already gone,
  // then closes the window or destroys the browser. UI thread.
  void CloseContents();
  // The end: OnBeforeClose, then the frames and the renderer go. UI thread.
  void DestroyBrowser();
  // Runs |navigation| now, or after the navigation lock is released.
  void RunOrDeferNavigation(std::function<void()> navigation);

  const int id_;
  const bool is_popup_;
  const int opener_id_;
  const CefRefPtr<CefClient> client_;
  const CefBrowserSettings settings_;
  const CefRefPtr<CefDictionaryValue> extra_info_;
  const CefRefPtr<CefRequestContext> request_context_;
  CefWindowInfo window_info_;  // UI thread.

  // UI thread only.
  Destruction destruction_ = Destruction::kNone;
  bool window_destroyed_ = false;
  int navigation_lock_depth_ = 0;
  std::function<void()> deferred_navigation_;
  std::unique_ptr<Navigator> navigator_;
  std::unique_ptr<RendererLink> renderer_;
  std::string shown_title_;
  PageState page_state_;

  mutable std::mutex lock_;
  HWND window_ = nullptr;  // Guarded by |lock_|, as the frames.
  bool valid_ = true;
  CefRefPtr<FrameImpl> main_frame_;
  std::map<int64_t, CefRefPtr<FrameImpl>> frames_;  // Every live frame.

  IMPLEMENT_REFCOUNTING(BrowserHostImpl);
};

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_BROWSER_HOST_IMPL_H_

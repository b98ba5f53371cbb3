// A browser as CEF's renderer process shows it: its id and popup flag come
// from the browser process, its frames from the navigations committed in it.
#ifndef CEFSIM_RUNTIME_RENDERER_BROWSER_IMPL_H_
#define CEFSIM_RUNTIME_RENDERER_BROWSER_IMPL_H_

#include <map>
#include <vector>

#include "include/cef_browser.h"
#include "renderer/frame_impl.h"

namespace cefsim {
namespace renderer {

class BrowserImpl : public CefBrowser {
 public:
  BrowserImpl(int browser_id, bool is_popup);
  BrowserImpl(const BrowserImpl&) = delete;
  BrowserImpl& operator=(const BrowserImpl&) = delete;

  // --- Used by the renderer's registry, render thread only -------------

  int browser_id() const { return browser_id_; }
  // The attached frame |frame_id|, or null.
  CefRefPtr<FrameImpl> FindFrame(int64_t frame_id) const;
  // Adds a new attached frame.
  CefRefPtr<FrameImpl> AddFrame(int64_t frame_id,
                                int64_t parent_id,
                                bool is_main);
  // Removes |frame_id| from the browser and detaches it.
  void RemoveFrame(int64_t frame_id);
  // The attached frames whose parent is |frame_id|.
  std::vector<CefRefPtr<FrameImpl>> ChildrenOf(int64_t frame_id) const;
  // Every attached frame.
  std::vector<CefRefPtr<FrameImpl>> Frames() const;
  // The attached main frame, or null.
  CefRefPtr<FrameImpl> MainFrame() const;
  // The browser was destroyed: it is no longer valid.
  void Invalidate() { valid_ = false; }

  // CefBrowser, all render thread:
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

 private:
  ~BrowserImpl() override;

  const int browser_id_;
  const bool is_popup_;
  bool valid_ = true;
  // The attached frames, by id. Each holds a reference back while attached.
  std::map<int64_t, CefRefPtr<FrameImpl>> frames_;

  IMPLEMENT_REFCOUNTING(BrowserImpl);
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_BROWSER_IMPL_H_

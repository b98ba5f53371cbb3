// CefFrame of the browser process: one frame (main or sub-frame) of a
// browser, with its URL and the document it shows.
#ifndef CEFSIM_RUNTIME_BROWSER_FRAME_IMPL_H_
#define CEFSIM_RUNTIME_BROWSER_FRAME_IMPL_H_

#include <stdint.h>

#include <mutex>
#include <string>

#include "diagnostics/object_counts.h"
#include "include/cef_frame.h"

namespace cefsim {
namespace browser {

class BrowserHostImpl;

class FrameImpl : public CefFrame {
 public:
  FrameImpl(BrowserHostImpl* browser,
            int browser_id,
            int64_t id,
            int64_t parent_id,
            const std::string& name);

  // The navigation of this frame committed |url| showing |html|. UI thread.
  void Commit(const std::string& url, const std::string& html);
  // The frame went away: it stays a valid object but IsValid() turns false
  // and it no longer reaches its browser. UI thread.
  void Detach();

  int64_t id() const { return id_; }
  int64_t parent_id() const { return parent_id_; }
  int browser_id() const { return browser_id_; }
  std::string url() const;
  std::string html() const;  // The document committed last. Any thread.

  // CefFrame:
  bool IsValid() override;
  void Undo() override;
  void Redo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  void Delete() override;
  void SelectAll() override;
  void ViewSource() override;
  void GetSource(CefRefPtr<CefStringVisitor> visitor) override;
  void GetText(CefRefPtr<CefStringVisitor> visitor) override;
  void LoadRequest(CefRefPtr<CefRequest> request) override;
  void LoadURL(const CefString& url) override;
  void ExecuteJavaScript(const CefString& code,
                         const CefString& script_url,
                         int start_line) override;
  bool IsMain() override;
  bool IsFocused() override;
  CefString GetName() override;
  int64 GetIdentifier() override;
  CefRefPtr<CefFrame> GetParent() override;
  CefString GetURL() override;
  CefRefPtr<CefBrowser> GetBrowser() override;
  CefRefPtr<CefV8Context> GetV8Context() override;
  void VisitDOM(CefRefPtr<CefDOMVisitor> visitor) override;
  CefRefPtr<CefURLRequest> CreateURLRequest(
      CefRefPtr<CefRequest> request,
      CefRefPtr<CefURLRequestClient> client) override;
  void SendProcessMessage(CefProcessId target_process,
                          CefRefPtr<CefProcessMessage> message) override;

 private:
  // The browser while attached, with a reference for the caller.
  CefRefPtr<BrowserHostImpl> Browser();

  const int browser_id_;
  const int64_t id_;
  const int64_t parent_id_;
  const std::string name_;

  mutable std::mutex lock_;
  // Not owned: the browser owns this frame and calls Detach() before it
  // goes. Guarded by |lock_|, as |url_| and |html_|.
  BrowserHostImpl* browser_;
  std::string url_;
  std::string html_;

  const LiveObjectCounter live_{CountedKind::kFrame};

  IMPLEMENT_REFCOUNTING(FrameImpl);
};

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_FRAME_IMPL_H_

// A frame as CEF's renderer process shows it: ids and URL come from the
// browser process; the script context is the frame's current document's.
#ifndef CEFSIM_RUNTIME_RENDERER_FRAME_IMPL_H_
#define CEFSIM_RUNTIME_RENDERER_FRAME_IMPL_H_

#include <deque>
#include <map>
#include <string>

#include "include/cef_frame.h"
#include "include/cef_urlrequest.h"
#include "include/cef_v8.h"

namespace cefsim {
namespace renderer {

class BrowserImpl;

// One script the browser process (or the renderer itself) ran in a frame.
struct ScriptRecord {
  std::string code;
  std::string script_url;
  int start_line = 0;
};

class FrameImpl : public CefFrame {
 public:
  // How many of a frame's latest scripts it keeps.
  static constexpr size_t kKeptScripts = 32;

  FrameImpl(BrowserImpl* browser,
            int64_t frame_id,
            int64_t parent_id,
            bool is_main);
  FrameImpl(const FrameImpl&) = delete;
  FrameImpl& operator=(const FrameImpl&) = delete;

  // --- Used by the renderer's browsers, render thread only -------------

  int64_t parent_id() const { return parent_id_; }
  bool is_main() const { return is_main_; }
  bool attached() const { return browser_ != nullptr; }
  // The current document's context, or null before the first commit and
  // after it was released.
  CefRefPtr<CefV8Context> context() const { return context_; }
  // A new document: |url| with |context|; the old context must already be
  // released (TakeContext).
  void Commit(const std::string& url, CefRefPtr<CefV8Context> context);
  // Hands the current context to the caller, which releases it; the page
  // queries made in it are forgotten with it.
  CefRefPtr<CefV8Context> TakeContext();
  // The frame left its browser: it no longer answers for a document.
  void Detach();

  void RecordScript(ScriptRecord script);
  const std::deque<ScriptRecord>& scripts() const { return scripts_; }

  // The id window.cefQuery returned for page query |page_query_id|, kept
  // for cefQueryCancel. Lookup yields 0 when unknown.
  void RememberPageQuery(int page_query_id, int query_id);
  int PageQueryId(int page_query_id) const;
  void ForgetPageQuery(int page_query_id);

  // CefFrame, all render thread:
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
  ~FrameImpl() override;

  // A reference to the owning browser while attached (the browser holds the
  // frame too; Detach breaks the cycle). Null once detached.
  CefRefPtr<BrowserImpl> browser_;
  const int64_t frame_id_;
  const int64_t parent_id_;  // 0 for the main frame.
  const bool is_main_;
  std::string url_;
  CefRefPtr<CefV8Context> context_;
  std::deque<ScriptRecord> scripts_;
  std::map<int, int> page_queries_;  // Page query id -> cefQuery's id.

  IMPLEMENT_REFCOUNTING(FrameImpl);
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_FRAME_IMPL_H_

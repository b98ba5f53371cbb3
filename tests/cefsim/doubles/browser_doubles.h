// A CefBrowser and CefFrame that exist only in a test: they answer with what
// the test gave them and record the process messages a frame is asked to
// send. Everything else a browser or frame can do is unused by the code
// under test and does nothing.
#ifndef TESTS_CEFSIM_DOUBLES_BROWSER_DOUBLES_H_
#define TESTS_CEFSIM_DOUBLES_BROWSER_DOUBLES_H_

#include <mutex>
#include <string>
#include <vector>

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_process_message.h"
#include "include/cef_urlrequest.h"
#include "include/cef_v8.h"

namespace orvtest {

class TestFrame;

class TestBrowser : public CefBrowser {
 public:
  explicit TestBrowser(int id) : id_(id) {}

  // The main frame (and the browser's only frame unless AddFrame is used).
  CefRefPtr<TestFrame> main_frame();
  CefRefPtr<TestFrame> AddFrame(int64 id, bool is_main);

  bool IsValid() override { return true; }
  CefRefPtr<CefBrowserHost> GetHost() override { return nullptr; }
  bool CanGoBack() override { return false; }
  void GoBack() override {}
  bool CanGoForward() override { return false; }
  void GoForward() override {}
  bool IsLoading() override { return false; }
  void Reload() override {}
  void ReloadIgnoreCache() override {}
  void StopLoad() override {}
  int GetIdentifier() override { return id_; }
  bool IsSame(CefRefPtr<CefBrowser> that) override;
  bool IsPopup() override { return false; }
  bool HasDocument() override { return true; }
  CefRefPtr<CefFrame> GetMainFrame() override;
  CefRefPtr<CefFrame> GetFocusedFrame() override { return GetMainFrame(); }
  CefRefPtr<CefFrame> GetFrame(int64 identifier) override;
  CefRefPtr<CefFrame> GetFrame(const CefString& name) override;
  size_t GetFrameCount() override;
  void GetFrameIdentifiers(std::vector<int64>& identifiers) override;
  void GetFrameNames(std::vector<CefString>& names) override;

 private:
  const int id_;
  std::mutex lock_;
  // The frames point back at this browser without a reference; the test
  // keeps the browser alive while it uses them.
  std::vector<CefRefPtr<TestFrame>> frames_;  // Guarded by |lock_|.

  IMPLEMENT_REFCOUNTING(TestBrowser);
};

// One process message a frame was asked to send.
struct SentMessage {
  CefProcessId target;
  CefRefPtr<CefProcessMessage> message;
};

class TestFrame : public CefFrame {
 public:
  // |browser| is not owned (see TestBrowser).
  TestFrame(TestBrowser* browser, int64 id, bool is_main)
      : browser_(browser), id_(id), is_main_(is_main) {}

  // The messages sent so far, oldest first. Any thread.
  std::vector<SentMessage> sent();
  size_t sent_count();
  void set_url(const std::string& url);

  bool IsValid() override { return true; }
  void Undo() override {}
  void Redo() override {}
  void Cut() override {}
  void Copy() override {}
  void Paste() override {}
  void Delete() override {}
  void SelectAll() override {}
  void ViewSource() override {}
  void GetSource(CefRefPtr<CefStringVisitor> visitor) override {}
  void GetText(CefRefPtr<CefStringVisitor> visitor) override {}
  void LoadRequest(CefRefPtr<CefRequest> request) override {}
  void LoadURL(const CefString& url) override {}
  void ExecuteJavaScript(const CefString& code,
                         const CefString& script_url,
                         int start_line) override {}
  bool IsMain() override { return is_main_; }
  bool IsFocused() override { return is_main_; }
  CefString GetName() override { return CefString(); }
  int64 GetIdentifier() override { return id_; }
  CefRefPtr<CefFrame> GetParent() override { return nullptr; }
  CefString GetURL() override;
  CefRefPtr<CefBrowser> GetBrowser() override { return browser_; }
  CefRefPtr<CefV8Context> GetV8Context() override { return nullptr; }
  void VisitDOM(CefRefPtr<CefDOMVisitor> visitor) override {}
  CefRefPtr<CefURLRequest> CreateURLRequest(
      CefRefPtr<CefRequest> request,
      CefRefPtr<CefURLRequestClient> client) override {
    return nullptr;
  }
  void SendProcessMessage(CefProcessId target_process,
                          CefRefPtr<CefProcessMessage> message) override;

 private:
  TestBrowser* const browser_;  // Not owned.
  const int64 id_;
  const bool is_main_;
  std::mutex lock_;
  std::string url_;                // Guarded by |lock_|.
  std::vector<SentMessage> sent_;  // Guarded by |lock_|.

  IMPLEMENT_REFCOUNTING(TestFrame);
};

}  // namespace orvtest

#endif  // TESTS_CEFSIM_DOUBLES_BROWSER_DOUBLES_H_

// RendererHost: the browser process's end of one renderer process.
//
// The browser side (browser/) owns one RendererHost per renderer process and
// drives it on CEF's UI thread; the renderer side (renderer/) lives in the
// child process at the other end of the pipe. Everything that happens in a
// page (script contexts, the renderer half of the message router, cefQuery
// calls made by the simulated page) happens over there; this class only
// carries requests and reports across.
#ifndef CEFSIM_RUNTIME_PROCESS_RENDERER_HOST_H_
#define CEFSIM_RUNTIME_PROCESS_RENDERER_HOST_H_

#include <stdint.h>

#include <memory>
#include <string>

#include "include/cef_process_message.h"
#include "include/internal/cef_types.h"
#include "process/termination_status.h"

namespace cefsim {
namespace process {

// What a page saw as the outcome of one cefQuery it made (the page's
// onSuccess or onFailure call). A persistent query may report many.
struct PageQueryOutcome {
  int page_query_id = 0;      // As given to RunPageQuery.
  bool success = false;       // onSuccess (true) or onFailure (false).
  std::string response;       // UTF-8 text given to onSuccess.
  int error_code = 0;         // Given to onFailure.
  std::string error_message;  // UTF-8, given to onFailure.
};

class RendererHost {
 public:
  // Reports from the renderer process. Called on the pipe's reader thread,
  // never on the UI thread: the delegate moves the work to the UI thread
  // itself. The delegate outlives the host (the host is destroyed first).
  class Delegate {
   public:
    virtual ~Delegate() = default;
    // The renderer sent |message| from frame |frame_id| of |browser_id|
    // (CefFrame::SendProcessMessage(PID_BROWSER, ...) in the renderer).
    virtual void OnRendererMessage(int browser_id,
                                   int64_t frame_id,
                                   CefRefPtr<CefProcessMessage> message) = 0;
    // The page of |browser_id| reported the outcome of a cefQuery.
    virtual void OnPageQueryOutcome(int browser_id,
                                    const PageQueryOutcome& outcome) = 0;
    // The renderer acknowledged request |request_id| (see Sync()).
    virtual void OnRendererSynced(int request_id) = 0;
    // The process ended or its pipe broke: reported once, after which the
    // host sends nothing more. |status| is how Chromium describes the end.
    virtual void OnRendererGone(TerminationStatus status) = 0;
  };

  // Starts |subprocess_path| with "--type=renderer" and the switches the
  // child needs to reach this host. Null when the program cannot be started
  // or never connects (the caller reports that as a visible failure).
  // UI thread.
  static std::unique_ptr<RendererHost> Launch(
      const std::wstring& subprocess_path,
      Delegate* delegate);

  // Closes the pipe; the child then ends on its own. UI thread.
  virtual ~RendererHost() = default;

  // --- Requests, all made on the UI thread, applied in order -------------

  virtual void CreateBrowser(int browser_id, bool is_popup) = 0;
  // The renderer releases every script context of the browser.
  virtual void DestroyBrowser(int browser_id) = 0;
  // A navigation of |frame_id| committed |url|: the renderer releases the
  // frame's old script context (OnContextReleased), creates the frame when
  // it is new, and creates a new context (OnContextCreated). |parent_id| is
  // 0 for the main frame.
  virtual void CommitNavigation(int browser_id,
                                int64_t frame_id,
                                int64_t parent_id,
                                bool is_main,
                                const std::string& url) = 0;
  // The frame went away (sub-frame removed or replaced): its context is
  // released.
  virtual void DetachFrame(int browser_id, int64_t frame_id) = 0;
  // CefFrame::SendProcessMessage(PID_RENDERER, ...) in the browser process.
  // The message is delivered to the render-process handler's
  // OnProcessMessageReceived of the child.
  virtual void SendProcessMessage(int browser_id,
                                  int64_t frame_id,
                                  CefRefPtr<CefProcessMessage> message) = 0;
  // Script the browser process ran in the frame (ExecuteJavaScript).
  virtual void ExecuteJavaScript(int browser_id,
                                 int64_t frame_id,
                                 const std::string& code,
                                 const std::string& script_url,
                                 int start_line) = 0;
  // The page calls window.cefQuery({request, persistent, onSuccess,
  // onFailure}) in |frame_id|'s current context. Outcomes come back through
  // Delegate::OnPageQueryOutcome with |page_query_id|.
  virtual void RunPageQuery(int browser_id,
                            int64_t frame_id,
                            int page_query_id,
                            const std::string& request,
                            bool persistent) = 0;
  // The page calls window.cefQueryCancel with the id cefQuery returned for
  // |page_query_id|.
  virtual void RunPageQueryCancel(int browser_id,
                                  int64_t frame_id,
                                  int page_query_id) = 0;
  // Asks the renderer to acknowledge |request_id| once everything sent
  // before it has been handled (Delegate::OnRendererSynced).
  virtual void Sync(int request_id) = 0;

  // Ends the process as the operating system would kill it. Any thread.
  virtual void Kill() = 0;
  // Ends the process with |exit_code|, as TerminateProcess does; its end is
  // then described from that code. Any thread.
  virtual void EndWithExitCode(unsigned long exit_code) = 0;
  // The child's process id, for tests.
  virtual unsigned long process_id() const = 0;
};

}  // namespace process
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_PROCESS_RENDERER_HOST_H_

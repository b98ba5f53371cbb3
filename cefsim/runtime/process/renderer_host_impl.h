// The RendererHost of one real renderer process, reached over a named pipe.
#ifndef CEFSIM_RUNTIME_PROCESS_RENDERER_HOST_IMPL_H_
#define CEFSIM_RUNTIME_PROCESS_RENDERER_HOST_IMPL_H_

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "ipc/pipe_channel.h"
#include "process/renderer_host.h"

namespace cefsim {
namespace ipc {
class FrameWriter;
}

namespace process {

class RendererHostImpl : public RendererHost {
 public:
  // Takes ownership of |process| (the child's handle) and |channel| (already
  // connected to the child). |delegate| is not owned and outlives this.
  RendererHostImpl(Delegate* delegate,
                   HANDLE process,
                   DWORD process_id,
                   std::unique_ptr<ipc::PipeChannel> channel);
  RendererHostImpl(const RendererHostImpl&) = delete;
  RendererHostImpl& operator=(const RendererHostImpl&) = delete;
  ~RendererHostImpl() override;

  // Starts reading the child's reports.
  void Start();

  // RendererHost:
  void CreateBrowser(int browser_id, bool is_popup) override;
  void DestroyBrowser(int browser_id) override;
  void CommitNavigation(int browser_id,
                        int64_t frame_id,
                        int64_t parent_id,
                        bool is_main,
                        const std::string& url) override;
  void DetachFrame(int browser_id, int64_t frame_id) override;
  void SendProcessMessage(int browser_id,
                          int64_t frame_id,
                          CefRefPtr<CefProcessMessage> message) override;
  void ExecuteJavaScript(int browser_id,
                         int64_t frame_id,
                         const std::string& code,
                         const std::string& script_url,
                         int start_line) override;
  void RunPageQuery(int browser_id,
                    int64_t frame_id,
                    int page_query_id,
                    const std::string& request,
                    bool persistent) override;
  void RunPageQueryCancel(int browser_id,
                          int64_t frame_id,
                          int page_query_id) override;
  void Sync(int request_id) override;
  void Kill() override;
  void EndWithExitCode(unsigned long exit_code) override;
  unsigned long process_id() const override { return process_id_; }

 private:
  // Reports a violation when called off the thread that launched the host.
  bool CheckOwnerThread(const char* method) const;
  // Sends one request; one the child never gets because it is gone is
  // dropped, the delegate hears of the end through OnRendererGone.
  void Send(const ipc::FrameWriter& writer);

  // Reader thread.
  void OnFrame(const std::string& frame);
  void OnClosed();
  TerminationStatus WaitForEnd();

  Delegate* const delegate_;  // Not owned; outlives this.
  const HANDLE process_;      // Owned; closed in the destructor.
  const DWORD process_id_;
  const DWORD owner_thread_id_;
  // Owned; set by the destructor so the reader stops waiting for the child.
  const HANDLE closing_event_;
  std::atomic<bool> closing_{false};
  std::atomic<bool> killed_{false};
  std::unique_ptr<ipc::PipeChannel> channel_;  // Owned.
};

}  // namespace process
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_PROCESS_RENDERER_HOST_IMPL_H_

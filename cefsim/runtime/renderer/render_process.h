// The renderer process's end of its pipe to the browser process: requests
// arrive on the pipe's reader thread and are handed to the render thread in
// order; reports go back from the render thread.
#ifndef CEFSIM_RUNTIME_RENDERER_RENDER_PROCESS_H_
#define CEFSIM_RUNTIME_RENDERER_RENDER_PROCESS_H_

#include <memory>
#include <string>

#include "include/cef_render_process_handler.h"
#include "ipc/pipe_channel.h"
#include "renderer/browser_registry.h"
#include "renderer/render_thread.h"

namespace cefsim {
namespace ipc {
class FrameWriter;
}

namespace renderer {

class RequestDispatcher;

class RenderProcess {
 public:
  // Made on the thread that becomes the render thread. |channel| is owned
  // and already connected; |handler| is the application's render-process
  // handler, or null.
  RenderProcess(std::unique_ptr<ipc::PipeChannel> channel,
                CefRefPtr<CefRenderProcessHandler> handler);
  RenderProcess(const RenderProcess&) = delete;
  RenderProcess& operator=(const RenderProcess&) = delete;
  ~RenderProcess();

  // The renderer of this process, or null outside one.
  static RenderProcess* Get();

  // Runs the render thread until the browser process closes the pipe and
  // returns the process's exit code. Render thread.
  int Run();

  // Sends one report to the browser process. Render thread.
  void SendToBrowser(const ipc::FrameWriter& writer);

  // Passes one of this process's records to the browser process. Any
  // thread.
  void SendRecord(const std::string& tag, const std::string& text);

  // The application's handler, or null. Render thread.
  CefRenderProcessHandler* handler() const { return handler_.get(); }

  // The browsers and frames of this process. Render thread.
  const BrowserRegistry& registry() const;

  // A handle on the browser process with the right to take duplicated
  // handles, for shared-memory messages; null when it could not be opened.
  HANDLE browser_process() const { return browser_process_; }

 private:
  RenderThread render_thread_;
  std::unique_ptr<ipc::PipeChannel> channel_;  // Owned.
  CefRefPtr<CefRenderProcessHandler> handler_;
  HANDLE browser_process_;  // Owned.
  // Owned; used on the render thread only.
  std::unique_ptr<RequestDispatcher> dispatcher_;
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_RENDER_PROCESS_H_

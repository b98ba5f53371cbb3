// Applies the browser process's requests in the renderer: decodes each frame
// and hands it to the renderer's browsers, frames and page. Render thread
// only.
#ifndef CEFSIM_RUNTIME_RENDERER_REQUEST_DISPATCHER_H_
#define CEFSIM_RUNTIME_RENDERER_REQUEST_DISPATCHER_H_

#include <string>

#include "include/cef_render_process_handler.h"
#include "renderer/browser_registry.h"

namespace cefsim {
namespace ipc {
class FrameReader;
}

namespace renderer {

class RenderProcess;

class RequestDispatcher {
 public:
  // |process| is not owned and outlives this; |handler| (may be null) is
  // the application's, kept alive by |process|.
  RequestDispatcher(RenderProcess* process, CefRenderProcessHandler* handler);
  RequestDispatcher(const RequestDispatcher&) = delete;
  RequestDispatcher& operator=(const RequestDispatcher&) = delete;
  ~RequestDispatcher();

  // Applies one request. Render thread.
  void Dispatch(const std::string& frame);

  // The browser process went away: drops every browser. Render thread.
  void Shutdown();

  const BrowserRegistry& registry() const { return registry_; }

 private:
  // Each applies one kind of request; false when the frame is malformed.
  bool CommitNavigation(ipc::FrameReader& reader);
  bool DeliverMessage(ipc::FrameReader& reader);
  bool ExecuteJavaScript(ipc::FrameReader& reader);
  bool RunPageQuery(ipc::FrameReader& reader);
  bool RunPageQueryCancel(ipc::FrameReader& reader);
  bool Sync(ipc::FrameReader& reader);

  RenderProcess* const process_;  // Not owned.
  BrowserRegistry registry_;
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_REQUEST_DISPATCHER_H_

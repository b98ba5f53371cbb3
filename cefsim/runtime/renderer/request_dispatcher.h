// Applies the browser process's requests in the renderer: decodes each frame
// and hands it to the renderer's browsers and frames. Render thread only.
#ifndef CEFSIM_RUNTIME_RENDERER_REQUEST_DISPATCHER_H_
#define CEFSIM_RUNTIME_RENDERER_REQUEST_DISPATCHER_H_

#include <string>

namespace cefsim {
namespace renderer {

class RenderProcess;

class RequestDispatcher {
 public:
  // |process| is not owned and outlives this.
  explicit RequestDispatcher(RenderProcess* process);
  RequestDispatcher(const RequestDispatcher&) = delete;
  RequestDispatcher& operator=(const RequestDispatcher&) = delete;
  ~RequestDispatcher();

  // Applies one request. Render thread.
  void Dispatch(const std::string& frame);

  // The browser process went away: drops every browser. Render thread.
  void Shutdown();

 private:
  RenderProcess* const process_;  // Not owned.
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_REQUEST_DISPATCHER_H_

// The browsers of a renderer process and the life of their frames' script
// contexts, announced to the application's render-process handler in CEF's
// order. Render thread only.
#ifndef CEFSIM_RUNTIME_RENDERER_BROWSER_REGISTRY_H_
#define CEFSIM_RUNTIME_RENDERER_BROWSER_REGISTRY_H_

#include <map>
#include <string>

#include "include/cef_render_process_handler.h"
#include "renderer/browser_impl.h"
#include "renderer/frame_impl.h"

namespace cefsim {
namespace renderer {

class BrowserRegistry {
 public:
  // |handler| is the application's (null when it has none); the render
  // process owns it and outlives this.
  explicit BrowserRegistry(CefRenderProcessHandler* handler);
  BrowserRegistry(const BrowserRegistry&) = delete;
  BrowserRegistry& operator=(const BrowserRegistry&) = delete;
  ~BrowserRegistry();

  // OnBrowserCreated.
  void CreateBrowser(int browser_id, bool is_popup);
  // Every frame's context released (sub-frames first), then
  // OnBrowserDestroyed.
  void DestroyBrowser(int browser_id);
  // The frame's sub-frames go away and its old context is released, then
  // the new document gets its context (OnContextCreated).
  void CommitNavigation(int browser_id,
                        int64_t frame_id,
                        int64_t parent_id,
                        bool is_main,
                        const std::string& url);
  // The frame and its sub-frames go away, each context released.
  void DetachFrame(int browser_id, int64_t frame_id);
  // OnProcessMessageReceived for a message from the browser process; one
  // for a frame the renderer does not have is dropped.
  void DeliverMessage(int browser_id,
                      int64_t frame_id,
                      CefRefPtr<CefProcessMessage> message);

  CefRefPtr<BrowserImpl> FindBrowser(int browser_id) const;
  CefRefPtr<FrameImpl> FindFrame(int browser_id, int64_t frame_id) const;

  // The browser process is gone: every context is ended and every object
  // let go without telling the handler, as a renderer whose browser process
  // disappeared simply ends.
  void DropAll();

 private:
  // OnContextReleased for |frame|'s current context, if it has one.
  void ReleaseContext(BrowserImpl* browser, FrameImpl* frame);
  // Detaches |frame|'s sub-frames, deepest first, each after its context
  // is released.
  void DetachChildren(BrowserImpl* browser, FrameImpl* frame);
  void DetachTree(BrowserImpl* browser, FrameImpl* frame);

  CefRenderProcessHandler* const handler_;  // Not owned; may be null.
  std::map<int, CefRefPtr<BrowserImpl>> browsers_;
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_BROWSER_REGISTRY_H_

// The state behind one script context: its frame, its global object, every
// object created in it, and whether it still exists. Many CefV8Context
// objects may stand for one state (CEF hands out a new one on every
// GetCurrentContext).
#ifndef CEFSIM_RUNTIME_RENDERER_V8_CONTEXT_STATE_H_
#define CEFSIM_RUNTIME_RENDERER_V8_CONTEXT_STATE_H_

#include <windows.h>

#include <vector>

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "renderer/v8_object.h"

namespace cefsim {
namespace renderer {

class ContextState : public CefBaseRefCounted {
 public:
  // A live context on the calling thread (the render thread).
  ContextState(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame);
  ContextState(const ContextState&) = delete;
  ContextState& operator=(const ContextState&) = delete;

  bool valid() const { return valid_; }
  bool BelongsToCurrentThread() const;
  CefRefPtr<CefBrowser> browser() const { return browser_; }
  CefRefPtr<CefFrame> frame() const { return frame_; }
  // The page's window object; null once released.
  CefRefPtr<ObjectData> global() const { return global_; }

  // A new object of this context. The context keeps its contents alive
  // until it ends.
  CefRefPtr<ObjectData> NewObject(ObjectData::Kind kind, bool user_created);

  // The context ends: invalid from now on, its objects emptied, browser and
  // frame dropped. Render thread. (Not named Release: that is the
  // reference count's.)
  void End();

 private:
  ~ContextState() override;

  const DWORD thread_id_;
  bool valid_ = true;
  CefRefPtr<CefBrowser> browser_;
  CefRefPtr<CefFrame> frame_;
  CefRefPtr<ObjectData> global_;
  // Every object created here, global included; emptied by End().
  std::vector<CefRefPtr<ObjectData>> objects_;

  IMPLEMENT_REFCOUNTING(ContextState);
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_V8_CONTEXT_STATE_H_

// The render thread as the target of CefPostTask(TID_RENDERER, ...) and
// CefCurrentlyOn(TID_RENDERER) in a renderer process.
#ifndef CEFSIM_RUNTIME_RENDERER_RENDER_TASK_TARGET_H_
#define CEFSIM_RUNTIME_RENDERER_RENDER_TASK_TARGET_H_

#include "renderer/render_thread.h"
#include "threads/threads.h"

namespace cefsim {
namespace renderer {

class RenderTaskTarget : public browser::TaskTarget {
 public:
  // |thread| is not owned; the render process unregisters this target
  // before the thread goes away.
  explicit RenderTaskTarget(RenderThread* thread) : thread_(thread) {}

  bool PostTask(std::function<void()> task, int64_t delay_ms) override {
    return thread_->PostDelayed(std::move(task), delay_ms);
  }
  bool BelongsToCurrentThread() const override { return thread_->IsCurrent(); }

 private:
  RenderThread* const thread_;  // Not owned.
};

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_RENDER_TASK_TARGET_H_

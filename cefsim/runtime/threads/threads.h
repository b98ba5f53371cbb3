// CEF's named threads of the browser process (TID_UI, TID_IO) and the
// checks that code meant for one of them runs there.
#ifndef CEFSIM_RUNTIME_BROWSER_THREADS_H_
#define CEFSIM_RUNTIME_BROWSER_THREADS_H_

#include <stdint.h>

#include <functional>
#include <memory>
#include <string>

#include "include/internal/cef_types.h"

namespace cefsim {
namespace browser {

class MessageLoopThread;

// A thread that tasks for one CEF thread id go to. The renderer process
// registers its render thread as TID_RENDERER here.
class TaskTarget {
 public:
  virtual ~TaskTarget() = default;
  virtual bool PostTask(std::function<void()> task, int64_t delay_ms) = 0;
  virtual bool BelongsToCurrentThread() const = 0;
};

// Sets (or, with null, clears) where tasks for |id| go. The caller keeps
// |target| alive until it clears it.
void SetTaskTarget(cef_thread_id_t id, std::shared_ptr<TaskTarget> target);

// The target for |id|, or null when that thread does not run (no context,
// or a thread the simulation does not have). Any thread.
std::shared_ptr<TaskTarget> GetTaskTarget(cef_thread_id_t id);

// Wraps a message-loop thread as the target of a thread id. Shares
// ownership of the thread.
std::shared_ptr<TaskTarget> MakeTaskTarget(
    std::shared_ptr<MessageLoopThread> thread);

bool CurrentlyOn(cef_thread_id_t id);
// Never runs |task| inline. False when |id| has no running thread.
bool PostTask(cef_thread_id_t id,
              std::function<void()> task,
              int64_t delay_ms = 0);

// True on the UI thread; otherwise reports |what| as called on the wrong
// thread, as CEF_REQUIRE_UIT would stop a debug build, and returns false.
bool RequireUiThread(const char* what);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_THREADS_H_

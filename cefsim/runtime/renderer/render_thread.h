// The render thread of a renderer process: the process's main thread, running
// tasks in the order they were posted until it is told to quit.
#ifndef CEFSIM_RUNTIME_RENDERER_RENDER_THREAD_H_
#define CEFSIM_RUNTIME_RENDERER_RENDER_THREAD_H_

#include <windows.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>

namespace cefsim {
namespace renderer {

class RenderThread {
 public:
  // Makes the calling thread the render thread.
  RenderThread();
  RenderThread(const RenderThread&) = delete;
  RenderThread& operator=(const RenderThread&) = delete;
  ~RenderThread();

  // The render thread of this process, or null outside a renderer.
  static RenderThread* Get();
  bool IsCurrent() const { return GetCurrentThreadId() == thread_id_; }

  // Queues |task|; callable from any thread. Tasks posted after Quit() are
  // dropped (false).
  bool Post(std::function<void()> task);
  // Queues |task| to run once |delay_ms| have passed, after the tasks due
  // before it. Any thread.
  bool PostDelayed(std::function<void()> task, int64_t delay_ms);
  // Makes Run() return once the tasks already queued have run; delayed
  // tasks not yet due are dropped. Any thread.
  void Quit();
  // Runs tasks until Quit(). Render thread only.
  void Run();

 private:
  const DWORD thread_id_;
  std::mutex lock_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;  // Guarded by |lock_|.
  // Delayed tasks by due time (GetTickCount64); guarded by |lock_|.
  std::multimap<ULONGLONG, std::function<void()>> delayed_;
  bool quitting_ = false;  // Guarded by |lock_|.
};

// True on the render thread. Otherwise reports "<method> called on invalid
// thread", as CEF's renderer objects do (CEF_REQUIRE_RT), and returns false.
bool RequireRenderThread(const char* method);

}  // namespace renderer
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_RENDERER_RENDER_THREAD_H_

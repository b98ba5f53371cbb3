// A thread that runs a Win32 message loop and takes tasks through its
// message queue, so the window procedures of windows created on it and its
// tasks are served by one loop in the order their messages arrive.
#ifndef CEFSIM_RUNTIME_BROWSER_MESSAGE_LOOP_THREAD_H_
#define CEFSIM_RUNTIME_BROWSER_MESSAGE_LOOP_THREAD_H_

#include <stdint.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace cefsim {
namespace browser {

class MessageLoopThread {
 public:
  using Task = std::function<void()>;

  explicit MessageLoopThread(const std::string& name);
  // Stop() must have run.
  ~MessageLoopThread();

  MessageLoopThread(const MessageLoopThread&) = delete;
  MessageLoopThread& operator=(const MessageLoopThread&) = delete;

  // Starts the thread and returns once its loop takes tasks. False when the
  // thread or its task window could not be made.
  bool Start();

  // Queues |task| to run after |delay_ms| (0: as soon as the loop gets to
  // it, never inline). False once the thread is stopping. Any thread.
  bool PostTask(Task task, int64_t delay_ms = 0);

  // Runs every task queued so far, then ends the loop; delayed tasks that
  // are not yet due are dropped. Blocks until the thread has ended. Any
  // thread but this one.
  void Stop();

  bool BelongsToCurrentThread() const;
  DWORD thread_id() const { return thread_id_; }
  const std::string& name() const { return name_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window,
                                     UINT message,
                                     WPARAM wparam,
                                     LPARAM lparam);
  void Run();
  // Runs the oldest queued task. This thread.
  void RunOneTask();
  // Moves delayed tasks that are due into the queue and sets the timer for
  // the next one. This thread.
  void ScheduleDelayed();
  // Runs what is queued and leaves the loop. This thread.
  void Quit();

  const std::string name_;
  std::thread thread_;
  DWORD thread_id_ = 0;
  HWND task_window_ = nullptr;  // Owned by the thread; destroyed in Quit().
  // A task is running; run messages that arrive meanwhile come from a
  // native nested loop (a modal message box) and wait for it. This thread.
  bool running_task_ = false;
  int deferred_runs_ = 0;  // Run messages held back that way. This thread.

  std::mutex lock_;
  bool accepting_ = false;                  // Guarded by |lock_|.
  std::deque<Task> queue_;                  // Guarded by |lock_|.
  std::multimap<ULONGLONG, Task> delayed_;  // Guarded by |lock_|.
};

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_MESSAGE_LOOP_THREAD_H_

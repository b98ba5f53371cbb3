#include "threads/message_loop_thread.h"

#include <condition_variable>
#include <utility>

namespace cefsim {
namespace browser {
namespace {

constexpr wchar_t kTaskWindowClass[] = L"CefSimTaskWindow";
// Posted once per queued task, and once to wake the loop for delayed tasks.
constexpr UINT kRunTaskMessage = WM_APP + 1;
constexpr UINT kScheduleMessage = WM_APP + 2;
constexpr UINT kQuitMessage = WM_APP + 3;
constexpr UINT_PTR kDelayTimer = 1;

// The module that holds this code: the class must name it, so that it can be
// unregistered before the module goes.
HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

}  // namespace

MessageLoopThread::MessageLoopThread(const std::string& name) : name_(name) {}

MessageLoopThread::~MessageLoopThread() {
  if (thread_.joinable())
    thread_.detach();
}

bool MessageLoopThread::Start() {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = &MessageLoopThread::WindowProc;
  window_class.hInstance = ThisModule();
  window_class.lpszClassName = kTaskWindowClass;
  RegisterClassExW(&window_class);  // Fails harmlessly when it exists.

  std::mutex ready_lock;
  std::condition_variable ready_signal;
  bool ready = false;
  thread_ = std::thread([&] {
    thread_id_ = GetCurrentThreadId();
    task_window_ = CreateWindowExW(0, kTaskWindowClass, L"", 0, 0, 0, 0, 0,
                                   HWND_MESSAGE, nullptr, ThisModule(), this);
    {
      std::lock_guard<std::mutex> guard(lock_);
      accepting_ = task_window_ != nullptr;
    }
    {
      std::lock_guard<std::mutex> guard(ready_lock);
      ready = true;
    }
    ready_signal.notify_one();
    if (task_window_)
      Run();
  });
  std::unique_lock<std::mutex> guard(ready_lock);
  ready_signal.wait(guard, [&] { return ready; });
  if (!task_window_) {
    guard.unlock();
    thread_.join();
    return false;
  }
  return true;
}

bool MessageLoopThread::PostTask(Task task, int64_t delay_ms) {
  std::lock_guard<std::mutex> guard(lock_);
  if (!accepting_)
    return false;
  if (delay_ms <= 0) {
    queue_.push_back(std::move(task));
    PostMessageW(task_window_, kRunTaskMessage, 0, 0);
  } else {
    delayed_.emplace(GetTickCount64() + static_cast<ULONGLONG>(delay_ms),
                     std::move(task));
    PostMessageW(task_window_, kScheduleMessage, 0, 0);
  }
  return true;
}

void MessageLoopThread::Stop() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (!accepting_)
      return;
    accepting_ = false;
    // Behind every task message posted so far.
    PostMessageW(task_window_, kQuitMessage, 0, 0);
  }
  thread_.join();
  UnregisterClassW(kTaskWindowClass, ThisModule());
}

bool MessageLoopThread::BelongsToCurrentThread() const {
  return thread_id_ != 0 && GetCurrentThreadId() == thread_id_;
}

// static
LRESULT CALLBACK MessageLoopThread::WindowProc(HWND window,
                                               UINT message,
                                               WPARAM wparam,
                                               LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<MessageLoopThread*>(
      GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case kRunTaskMessage:
        self->RunOneTask();
        return 0;
      case kScheduleMessage:
      case WM_TIMER:
        self->ScheduleDelayed();
        return 0;
      case kQuitMessage:
        self->Quit();
        return 0;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void MessageLoopThread::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void MessageLoopThread::RunOneTask() {
  // As in Chromium, a native nested loop inside a task (MessageBoxW in a
  // client callback) runs no other task; they run once that task returns.
  if (running_task_) {
    ++deferred_runs_;
    return;
  }
  Task task;
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (queue_.empty())
      return;  // Already run by Quit().
    task = std::move(queue_.front());
    queue_.pop_front();
  }
  running_task_ = true;
  task();
  running_task_ = false;
  for (; deferred_runs_ > 0; --deferred_runs_)
    PostMessageW(task_window_, kRunTaskMessage, 0, 0);
}

void MessageLoopThread::ScheduleDelayed() {
  std::lock_guard<std::mutex> guard(lock_);
  const ULONGLONG now = GetTickCount64();
  while (!delayed_.empty() && delayed_.begin()->first <= now) {
    queue_.push_back(std::move(delayed_.begin()->second));
    delayed_.erase(delayed_.begin());
    PostMessageW(task_window_, kRunTaskMessage, 0, 0);
  }
  if (delayed_.empty()) {
    KillTimer(task_window_, kDelayTimer);
    return;
  }
  const ULONGLONG wait = delayed_.begin()->first - now;
  SetTimer(task_window_, kDelayTimer, static_cast<UINT>(wait), nullptr);
}

void MessageLoopThread::Quit() {
  // Tasks still queued were posted before Stop(); a task may queue another
  // only while accepting, which has ended, so the loop below ends.
  for (;;) {
    Task task;
    {
      std::lock_guard<std::mutex> guard(lock_);
      if (queue_.empty())
        break;
      task = std::move(queue_.front());
      queue_.pop_front();
    }
    task();
  }
  std::multimap<ULONGLONG, Task> dropped;
  {
    std::lock_guard<std::mutex> guard(lock_);
    dropped.swap(delayed_);
  }
  dropped.clear();  // Released here, on this thread.
  DestroyWindow(task_window_);
  task_window_ = nullptr;
  PostQuitMessage(0);
}

}  // namespace browser
}  // namespace cefsim

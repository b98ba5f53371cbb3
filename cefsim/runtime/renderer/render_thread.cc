#include "renderer/render_thread.h"

#include <chrono>

#include "diagnostics/records.h"

namespace cefsim {
namespace renderer {
namespace {

// Set while a RenderThread exists; one per process.
RenderThread* g_render_thread = nullptr;

}  // namespace

RenderThread::RenderThread() : thread_id_(GetCurrentThreadId()) {
  g_render_thread = this;
}

RenderThread::~RenderThread() {
  g_render_thread = nullptr;
}

// static
RenderThread* RenderThread::Get() {
  return g_render_thread;
}

bool RequireRenderThread(const char* method) {
  RenderThread* thread = RenderThread::Get();
  if (thread && thread->IsCurrent())
    return true;
  ReportViolation(std::string(method) + " called on invalid thread");
  return false;
}

bool RenderThread::Post(std::function<void()> task) {
  std::lock_guard<std::mutex> guard(lock_);
  if (quitting_)
    return false;
  tasks_.push_back(std::move(task));
  wake_.notify_one();
  return true;
}

bool RenderThread::PostDelayed(std::function<void()> task, int64_t delay_ms) {
  if (delay_ms <= 0)
    return Post(std::move(task));
  std::lock_guard<std::mutex> guard(lock_);
  if (quitting_)
    return false;
  delayed_.emplace(GetTickCount64() + delay_ms, std::move(task));
  wake_.notify_one();
  return true;
}

void RenderThread::Quit() {
  std::lock_guard<std::mutex> guard(lock_);
  quitting_ = true;
  wake_.notify_one();
}

void RenderThread::Run() {
  if (!IsCurrent()) {
    ReportViolation("RenderThread::Run called off the render thread");
    return;
  }
  for (;;) {
    std::function<void()> task;
    {
      std::unique_lock<std::mutex> guard(lock_);
      for (;;) {
        // Due delayed tasks join the queue in due order.
        const ULONGLONG now = GetTickCount64();
        while (!delayed_.empty() && delayed_.begin()->first <= now) {
          tasks_.push_back(std::move(delayed_.begin()->second));
          delayed_.erase(delayed_.begin());
        }
        if (!tasks_.empty() || quitting_)
          break;
        if (delayed_.empty()) {
          wake_.wait(guard);
        } else {
          wake_.wait_for(
              guard, std::chrono::milliseconds(delayed_.begin()->first - now));
        }
      }
      if (tasks_.empty())
        return;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task();
  }
}

}  // namespace renderer
}  // namespace cefsim

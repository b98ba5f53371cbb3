#include "renderer/render_thread.h"

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

void RenderThread::Post(std::function<void()> task) {
  std::lock_guard<std::mutex> guard(lock_);
  if (quitting_)
    return;
  tasks_.push_back(std::move(task));
  wake_.notify_one();
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
      wake_.wait(guard, [this] { return quitting_ || !tasks_.empty(); });
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

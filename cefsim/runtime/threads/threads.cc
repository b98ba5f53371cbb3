#include "threads/threads.h"

#include <map>
#include <mutex>
#include <utility>

#include "diagnostics/records.h"
#include "threads/message_loop_thread.h"

namespace cefsim {
namespace browser {
namespace {

struct Targets {
  std::mutex lock;
  std::map<cef_thread_id_t, std::shared_ptr<TaskTarget>> by_id;  // |lock|.
};

// Leaked on purpose: threads may post while the process ends.
Targets& GetTargets() {
  static Targets* targets = new Targets();
  return *targets;
}

class LoopTarget : public TaskTarget {
 public:
  explicit LoopTarget(std::shared_ptr<MessageLoopThread> thread)
      : thread_(std::move(thread)) {}
  bool PostTask(std::function<void()> task, int64_t delay_ms) override {
    return thread_->PostTask(std::move(task), delay_ms);
  }
  bool BelongsToCurrentThread() const override {
    return thread_->BelongsToCurrentThread();
  }

 private:
  std::shared_ptr<MessageLoopThread> thread_;
};

}  // namespace

void SetTaskTarget(cef_thread_id_t id, std::shared_ptr<TaskTarget> target) {
  Targets& targets = GetTargets();
  std::lock_guard<std::mutex> guard(targets.lock);
  if (target)
    targets.by_id[id] = std::move(target);
  else
    targets.by_id.erase(id);
}

std::shared_ptr<TaskTarget> GetTaskTarget(cef_thread_id_t id) {
  Targets& targets = GetTargets();
  std::lock_guard<std::mutex> guard(targets.lock);
  auto it = targets.by_id.find(id);
  return it == targets.by_id.end() ? nullptr : it->second;
}

std::shared_ptr<TaskTarget> MakeTaskTarget(
    std::shared_ptr<MessageLoopThread> thread) {
  return std::make_shared<LoopTarget>(std::move(thread));
}

bool CurrentlyOn(cef_thread_id_t id) {
  std::shared_ptr<TaskTarget> target = GetTaskTarget(id);
  return target && target->BelongsToCurrentThread();
}

bool PostTask(cef_thread_id_t id,
              std::function<void()> task,
              int64_t delay_ms) {
  std::shared_ptr<TaskTarget> target = GetTaskTarget(id);
  return target && target->PostTask(std::move(task), delay_ms);
}

bool RequireUiThread(const char* what) {
  if (CurrentlyOn(TID_UI))
    return true;
  ReportViolation(std::string(what) + " called off the UI thread");
  return false;
}

}  // namespace browser
}  // namespace cefsim

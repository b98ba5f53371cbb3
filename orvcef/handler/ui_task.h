// A CEF task that runs a closure; what the closure captures (a reference to
// its target, normally) lives as long as the task.
#ifndef ORVCEF_HANDLER_UI_TASK_H_
#define ORVCEF_HANDLER_UI_TASK_H_

#include <functional>
#include <utility>

#include "include/cef_task.h"
#include "orvcef/base/no_throw.h"

namespace orvcef {

class ClosureTask : public CefTask {
 public:
  explicit ClosureTask(std::function<void()> closure)
      : closure_(std::move(closure)) {}
  ClosureTask(const ClosureTask&) = delete;
  ClosureTask& operator=(const ClosureTask&) = delete;

  // A task that throws ends quietly; CEF's task runner must never see it.
  void Execute() override { CallWithoutThrowing(closure_); }

 private:
  std::function<void()> closure_;

  IMPLEMENT_REFCOUNTING(ClosureTask);
};

// Runs |closure| later on CEF's UI thread.
inline void PostToUiThread(std::function<void()> closure) {
  CefPostTask(TID_UI, new ClosureTask(std::move(closure)));
}

}  // namespace orvcef

#endif  // ORVCEF_HANDLER_UI_TASK_H_

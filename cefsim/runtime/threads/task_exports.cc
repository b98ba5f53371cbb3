// The C exports for CEF's threads and tasks.
#include "diagnostics/records.h"
#include "threads/threads.h"
#include "wrapper/browser_exports.h"

namespace {

int PostCefTask(cef_thread_id_t thread_id, CefTask* task, int64 delay_ms) {
  if (!task)
    return 0;
  CefRefPtr<CefTask> kept(task);
  if (!cefsim::browser::PostTask(
          thread_id, [kept] { kept->Execute(); }, delay_ms)) {
    // CEF only logs a warning when the thread has no task runner.
    cefsim::RecordNote("post-task-failed", "no task runner for thread " +
                                               std::to_string(thread_id));
    return 0;
  }
  return 1;
}

}  // namespace

int cef_currently_on(cef_thread_id_t thread_id) {
  return cefsim::browser::CurrentlyOn(thread_id) ? 1 : 0;
}

int cef_post_task(cef_thread_id_t thread_id, CefTask* task) {
  return PostCefTask(thread_id, task, 0);
}

int cef_post_delayed_task(cef_thread_id_t thread_id,
                          CefTask* task,
                          int64 delay_ms) {
  return PostCefTask(thread_id, task, delay_ms);
}

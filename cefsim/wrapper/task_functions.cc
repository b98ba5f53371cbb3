// CefCurrentlyOn, CefPostTask and CefPostDelayedTask.
#include "browser_exports.h"

bool CefCurrentlyOn(CefThreadId threadId) {
  return cef_currently_on(threadId) != 0;
}

bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task) {
  return cef_post_task(threadId, task.get()) != 0;
}

bool CefPostDelayedTask(CefThreadId threadId,
                        CefRefPtr<CefTask> task,
                        int64 delay_ms) {
  return cef_post_delayed_task(threadId, task.get(), delay_ms) != 0;
}

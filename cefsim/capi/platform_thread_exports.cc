// The calling thread's identity, which the base library's thread checkers
// compare. On Windows CEF gives the thread id for both.
#include <windows.h>

#include "include/internal/cef_thread_internal.h"

cef_platform_thread_id_t cef_get_current_platform_thread_id(void) {
  return GetCurrentThreadId();
}

cef_platform_thread_handle_t cef_get_current_platform_thread_handle(void) {
  return GetCurrentThreadId();
}

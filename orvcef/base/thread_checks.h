// Debug-build checks that a function runs on the thread it was written for.
// CEF's own DCHECK machinery is not part of every header tree the library is
// built against, so the library carries this small equivalent.
#ifndef ORVCEF_BASE_THREAD_CHECKS_H_
#define ORVCEF_BASE_THREAD_CHECKS_H_

#include <windows.h>

#include "include/cef_task.h"

namespace orvcef {

// Writes "orvcef: <function> must run on <thread>" to the debugger and to
// standard error. Only debug builds call it.
void ReportWrongThread(const char* function, const char* thread);

}  // namespace orvcef

#if defined(NDEBUG)
#define ORVCEF_REQUIRE_UI_THREAD() ((void)0)
#define ORVCEF_REQUIRE_THREAD(thread_id, name) ((void)0)
#else
// For code that CEF calls on its browser-process UI thread.
#define ORVCEF_REQUIRE_UI_THREAD()                              \
  do {                                                          \
    if (!CefCurrentlyOn(TID_UI))                                \
      ::orvcef::ReportWrongThread(__func__, "CEF's UI thread"); \
  } while (0)
// For code bound to one host thread, known by its Win32 thread id.
#define ORVCEF_REQUIRE_THREAD(thread_id, name)     \
  do {                                             \
    if (GetCurrentThreadId() != (thread_id))       \
      ::orvcef::ReportWrongThread(__func__, name); \
  } while (0)
#endif

#endif  // ORVCEF_BASE_THREAD_CHECKS_H_

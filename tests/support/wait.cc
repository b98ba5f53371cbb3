#include "wait.h"

#include <windows.h>

namespace orvtest {

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  while (!condition()) {
    if (GetTickCount64() >= deadline)
      return condition();
    // Wake on any message for this thread, or after a short slice to test
    // the condition again: the condition may change on another thread.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

}  // namespace orvtest

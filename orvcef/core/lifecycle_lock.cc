#include "orvcef/core/lifecycle_lock.h"

namespace orvcef {

namespace {

HANDLE LifecycleMutex() {
  static const HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
  return mutex;
}

}  // namespace

LifecycleLock::LifecycleLock() : mutex_(LifecycleMutex()) {
  if (!mutex_)
    return;
  for (;;) {
    const DWORD result =
        MsgWaitForMultipleObjects(1, &mutex_, FALSE, INFINITE, QS_SENDMESSAGE);
    // An abandoned mutex (its holder's thread ended) is ours all the same.
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED_0)
      return;
    if (result != WAIT_OBJECT_0 + 1) {
      mutex_ = nullptr;
      return;
    }
    // Peeking dispatches the messages sent to this thread; posted ones stay
    // queued for the host's own loop.
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

LifecycleLock::~LifecycleLock() {
  if (mutex_)
    ReleaseMutex(mutex_);
}

}  // namespace orvcef

// Serialises OrvCefStart and OrvCefTerm across host threads.
#ifndef ORVCEF_CORE_LIFECYCLE_LOCK_H_
#define ORVCEF_CORE_LIFECYCLE_LOCK_H_

#include <windows.h>

namespace orvcef {

// Held by a start or a termination for its whole length, so that two host
// threads never bring CEF up or down at the same time. While a thread waits
// for it, that thread still serves messages other threads send to its
// windows: CEF's UI thread may be sending a query to a message window of
// the waiting thread, and the holder may be waiting for CEF's UI thread.
// The lock is recursive, as a window procedure served during a wait may call
// the exports again on the same thread.
class LifecycleLock {
 public:
  LifecycleLock();
  ~LifecycleLock();
  LifecycleLock(const LifecycleLock&) = delete;
  LifecycleLock& operator=(const LifecycleLock&) = delete;

 private:
  // The process-wide mutex; never closed, as it lives as long as the
  // library. Null when it could not be made, and then nothing is held.
  HANDLE mutex_;
};

}  // namespace orvcef

#endif  // ORVCEF_CORE_LIFECYCLE_LOCK_H_

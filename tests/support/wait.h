// Bounded waiting for tests: no test sleeps to synchronise; it waits for the
// condition it needs and fails fast when that never comes.
#ifndef TESTS_SUPPORT_WAIT_H_
#define TESTS_SUPPORT_WAIT_H_

#include <functional>

namespace orvtest {

// How long a test waits for anything before it counts as broken.
constexpr int kDefaultTimeoutMs = 10000;

// Polls |condition| until it is true or |timeout_ms| have passed, pumping
// this thread's window messages meanwhile (a test thread that owns windows
// must keep them responsive). Returns the condition's last value.
bool WaitUntil(const std::function<bool()>& condition,
               int timeout_ms = kDefaultTimeoutMs);

}  // namespace orvtest

#endif  // TESTS_SUPPORT_WAIT_H_

#include "shutdown_checker.h"

#include <atomic>

#include "diagnostics_exports.h"

namespace cefsim {

namespace {

// One per module, as each module links its own copy of the wrapper.
std::atomic<bool> g_shut_down{false};

}  // namespace

void MarkShutdown() {
  g_shut_down = true;
}

void AssertNotShutdown() {
  if (g_shut_down)
    cefsim_report_violation("Object reference incorrectly held at CefShutdown");
}

}  // namespace cefsim

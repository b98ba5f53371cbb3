#include "process/termination_status.h"

namespace cefsim {
namespace process {
namespace {

// Exit codes base/process/kill_win.cc gives a meaning other than a crash.
constexpr DWORD kDebuggerInactiveExitCode = 0xC0000354;
constexpr DWORD kKeyboardInterruptExitCode = 0xC000013A;
constexpr DWORD kDebuggerTerminatedExitCode = 0x40010004;
constexpr DWORD kSandboxFatalMemoryExceeded = 7012;
constexpr DWORD kOomExceptionCode = 0xE0000008;
constexpr DWORD kInvalidImageHashExitCode = 0xC0000428;

}  // namespace

cef_termination_status_t TerminationStatusFromExitCode(DWORD exit_code) {
  switch (exit_code) {
    case 0:
      return TS_ABNORMAL_TERMINATION;
    case kKilledExitCode:
    case kDebuggerInactiveExitCode:
    case kKeyboardInterruptExitCode:
    case kDebuggerTerminatedExitCode:
      return TS_PROCESS_WAS_KILLED;
    case kSandboxFatalMemoryExceeded:
    case kOomExceptionCode:
      return TS_PROCESS_OOM;
    case kInvalidImageHashExitCode:
      return TS_ABNORMAL_TERMINATION;
    default:
      return TS_PROCESS_CRASHED;
  }
}

}  // namespace process
}  // namespace cefsim

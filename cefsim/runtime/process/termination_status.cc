#include "process/termination_status.h"

namespace cefsim {
namespace process {
namespace {

// Exit codes kill_win.cc gives a meaning other than a crash (base::win's
// constants, the sandbox's memory limit and base's out-of-memory exception).
constexpr DWORD kDebuggerInactiveExitCode = 0xC0000354;
constexpr DWORD kKeyboardInterruptExitCode = 0xC000013A;
constexpr DWORD kDebuggerTerminatedExitCode = 0x40010004;
constexpr DWORD kSandboxFatalMemoryExceeded = 7012;
constexpr DWORD kOomExceptionCode = 0xE0000008;
constexpr DWORD kStatusInvalidImageHashExitCode = 0xC0000428;

}  // namespace

TerminationStatus TerminationStatusFromExitCode(DWORD exit_code) {
  switch (exit_code) {
    case 0:
      return TerminationStatus::kNormalTermination;
    case STILL_ACTIVE:
      // Only asked once the process has ended, so this is a child that chose
      // 259 as its exit code.
      return TerminationStatus::kAbnormalTermination;
    case kKilledExitCode:
    case kDebuggerInactiveExitCode:
    case kKeyboardInterruptExitCode:
    case kDebuggerTerminatedExitCode:
      return TerminationStatus::kProcessWasKilled;
    case kSandboxFatalMemoryExceeded:
    case kOomExceptionCode:
      return TerminationStatus::kOom;
    case kStatusInvalidImageHashExitCode:
      return TerminationStatus::kIntegrityFailure;
    default:
      return TerminationStatus::kProcessCrashed;
  }
}

bool ReportedTerminationStatus(TerminationStatus status,
                               cef_termination_status_t* reported) {
  switch (status) {
    case TerminationStatus::kAbnormalTermination:
      *reported = TS_ABNORMAL_TERMINATION;
      return true;
    case TerminationStatus::kProcessWasKilled:
      *reported = TS_PROCESS_WAS_KILLED;
      return true;
    case TerminationStatus::kProcessCrashed:
      *reported = TS_PROCESS_CRASHED;
      return true;
    case TerminationStatus::kOom:
      *reported = TS_PROCESS_OOM;
      return true;
    case TerminationStatus::kNormalTermination:
    case TerminationStatus::kStillRunning:
    case TerminationStatus::kLaunchFailed:
    case TerminationStatus::kIntegrityFailure:
      return false;
  }
  return false;
}

}  // namespace process
}  // namespace cefsim

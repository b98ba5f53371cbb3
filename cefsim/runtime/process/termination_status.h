// How the end of a renderer process is described on Windows, in two steps
// as in CEF 109: Chromium reads the exit code into a base::TerminationStatus
// (base/process/kill_win.cc), and CEF folds that into the status it gives
// CefRequestHandler::OnRenderProcessTerminated, or gives none at all
// (CefBrowserContentsDelegate::PrimaryMainFrameRenderProcessGone).
#ifndef CEFSIM_RUNTIME_PROCESS_TERMINATION_STATUS_H_
#define CEFSIM_RUNTIME_PROCESS_TERMINATION_STATUS_H_

#include <windows.h>

#include "include/internal/cef_types.h"

namespace cefsim {
namespace process {

// The exit code Chromium gives a child it kills (content's RESULT_CODE_KILLED,
// the same value a task manager kill leaves).
constexpr DWORD kKilledExitCode = 1;

// base::TerminationStatus with Chromium's values, as a Windows build has it.
enum class TerminationStatus {
  kNormalTermination = 0,
  kAbnormalTermination = 1,
  kProcessWasKilled = 2,
  kProcessCrashed = 3,
  kStillRunning = 4,
  kLaunchFailed = 7,
  kOom = 8,
  kIntegrityFailure = 9,
};

// Chromium's status of a child that has ended with |exit_code|. Every code
// it gives no meaning of its own counts as a crash; STILL_ACTIVE (259) left
// by a process that has ended is an abnormal termination.
TerminationStatus TerminationStatusFromExitCode(DWORD exit_code);

// The status CEF reports for |status|. False when CEF calls no handler: a
// normal end, a process still running or never launched, an integrity
// failure.
bool ReportedTerminationStatus(TerminationStatus status,
                               cef_termination_status_t* reported);

}  // namespace process
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_PROCESS_TERMINATION_STATUS_H_

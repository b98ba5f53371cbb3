// How CEF describes the end of a renderer process on Windows: Chromium reads
// the exit code (base::GetTerminationStatus) and CEF folds its status into
// cef_termination_status_t.
#ifndef CEFSIM_RUNTIME_PROCESS_TERMINATION_STATUS_H_
#define CEFSIM_RUNTIME_PROCESS_TERMINATION_STATUS_H_

#include <windows.h>

#include "include/internal/cef_types.h"

namespace cefsim {
namespace process {

// The exit code Chromium gives a child it kills (content's RESULT_CODE_KILLED,
// the same value a task manager kill leaves).
constexpr DWORD kKilledExitCode = 1;

// The status CEF reports for a renderer that ended with |exit_code|. Chromium
// counts every code it does not know as a crash. CEF does not report a
// normal end (exit code 0) or an image-integrity failure at all; both are
// given as TS_ABNORMAL_TERMINATION here, because the host must still tell
// its owner that the renderer is gone. Our renderers end normally only once
// their browser process closed the pipe, never while it is watching.
cef_termination_status_t TerminationStatusFromExitCode(DWORD exit_code);

}  // namespace process
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_PROCESS_TERMINATION_STATUS_H_

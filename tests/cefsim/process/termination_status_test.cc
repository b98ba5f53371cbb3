// The end of a renderer on Windows: Chromium's status for each exit code,
// and what CEF 109 reports for it.
#include "process/termination_status.h"
#include "gtest/gtest.h"

namespace {

using cefsim::process::ReportedTerminationStatus;
using cefsim::process::TerminationStatus;
using cefsim::process::TerminationStatusFromExitCode;

// No handler call: CEF returns before it asks for the request handler.
constexpr int kNotReported = -1;

TEST(TerminationStatus, ExitCodesMapAsChromiumAndCefOnWindows) {
  const struct {
    DWORD exit_code;
    TerminationStatus status;
    int reported;
  } kCases[] = {
      {0, TerminationStatus::kNormalTermination, kNotReported},
      {1, TerminationStatus::kProcessWasKilled, TS_PROCESS_WAS_KILLED},
      {0xC000013A, TerminationStatus::kProcessWasKilled,  // Ctrl-C, log-off.
       TS_PROCESS_WAS_KILLED},
      {0xC0000354, TerminationStatus::kProcessWasKilled,  // Debugger inactive.
       TS_PROCESS_WAS_KILLED},
      {0x40010004, TerminationStatus::kProcessWasKilled,  // Debugger ended it.
       TS_PROCESS_WAS_KILLED},
      {7012, TerminationStatus::kOom, TS_PROCESS_OOM},  // Sandbox memory cap.
      {0xE0000008, TerminationStatus::kOom, TS_PROCESS_OOM},
      {0xC0000428, TerminationStatus::kIntegrityFailure, kNotReported},
      {STILL_ACTIVE, TerminationStatus::kAbnormalTermination,
       TS_ABNORMAL_TERMINATION},
      {0xC0000005, TerminationStatus::kProcessCrashed, TS_PROCESS_CRASHED},
      {0x80000003, TerminationStatus::kProcessCrashed, TS_PROCESS_CRASHED},
      {0xC00000FD, TerminationStatus::kProcessCrashed, TS_PROCESS_CRASHED},
      {2, TerminationStatus::kProcessCrashed, TS_PROCESS_CRASHED},
      {0xFFFFFFFF, TerminationStatus::kProcessCrashed, TS_PROCESS_CRASHED},
  };
  for (const auto& row : kCases) {
    const TerminationStatus status =
        TerminationStatusFromExitCode(row.exit_code);
    EXPECT_EQ(row.status, status)
        << "exit code 0x" << std::hex << row.exit_code;
    cef_termination_status_t reported = TS_ABNORMAL_TERMINATION;
    const bool is_reported = ReportedTerminationStatus(status, &reported);
    EXPECT_EQ(row.reported,
              is_reported ? static_cast<int>(reported) : kNotReported)
        << "exit code 0x" << std::hex << row.exit_code;
  }
}

// The statuses no exit code leads to are not reported either.
TEST(TerminationStatus, CefReportsNoProcessThatRunsOrNeverRan) {
  for (TerminationStatus status :
       {TerminationStatus::kStillRunning, TerminationStatus::kLaunchFailed}) {
    cef_termination_status_t reported = TS_ABNORMAL_TERMINATION;
    EXPECT_FALSE(ReportedTerminationStatus(status, &reported))
        << static_cast<int>(status);
  }
}

}  // namespace

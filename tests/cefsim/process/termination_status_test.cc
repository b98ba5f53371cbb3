// Exit codes of a renderer as CEF reports them on Windows.
#include "process/termination_status.h"
#include "gtest/gtest.h"

namespace {

TEST(TerminationStatus, MapsExitCodesAsChromiumOnWindows) {
  const struct {
    DWORD exit_code;
    cef_termination_status_t status;
  } kCases[] = {
      {1, TS_PROCESS_WAS_KILLED},           // Killed by the browser.
      {0xC000013A, TS_PROCESS_WAS_KILLED},  // Ctrl-C / end of session.
      {0xC0000354, TS_PROCESS_WAS_KILLED},  // Debugger inactive.
      {0x40010004, TS_PROCESS_WAS_KILLED},  // Debugger ended it.
      {0xE0000008, TS_PROCESS_OOM},         // Out of memory.
      {7012, TS_PROCESS_OOM},               // Sandbox memory limit.
      {0xC0000005, TS_PROCESS_CRASHED},     // Access violation.
      {0x80000003, TS_PROCESS_CRASHED},     // Breakpoint.
      {2, TS_PROCESS_CRASHED},              // Any other code.
      {0xC0000428, TS_ABNORMAL_TERMINATION},
      {0, TS_ABNORMAL_TERMINATION},
  };
  for (const auto& row : kCases) {
    EXPECT_EQ(row.status,
              cefsim::process::TerminationStatusFromExitCode(row.exit_code))
        << "exit code 0x" << std::hex << row.exit_code;
  }
}

}  // namespace

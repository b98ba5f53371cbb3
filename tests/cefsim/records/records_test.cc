// The records of misuse and quirks that every other runtime test relies on.
#include <windows.h>

#include <string>

#include "cefsim/control.h"
#include "gtest/gtest.h"
#include "violations.h"

namespace {

// Runs this test program again as a child with CEFSIM_FATAL=1 and returns
// the child's exit code.
DWORD RunSelfWithFatalViolations(const wchar_t* filter) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(exe) + L"\" --gtest_filter=" +
                         filter + L" --gtest_also_run_disabled_tests";
  SetEnvironmentVariableW(L"CEFSIM_FATAL", L"1");
  STARTUPINFOW startup = {sizeof(startup)};
  PROCESS_INFORMATION process = {};
  BOOL started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE,
                                0, nullptr, nullptr, &startup, &process);
  SetEnvironmentVariableW(L"CEFSIM_FATAL", nullptr);
  if (!started)
    return static_cast<DWORD>(-2);
  WaitForSingleObject(process.hProcess, 30000);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

}  // namespace

// Reached only through the child process above.
TEST(RecordsTest, DISABLED_ViolatesOnPurpose) {
  cefsim_test_force_violation("deliberate");
  // Only reached when violations are not fatal.
  ADD_FAILURE() << "the violation did not end the process";
}

TEST(RecordsTest, FatalViolationEndsProcessWithCodeThree) {
  EXPECT_EQ(3u, RunSelfWithFatalViolations(
                    L"RecordsTest.DISABLED_ViolatesOnPurpose"));
}

TEST(RecordsTest, TakenViolationsNoLongerCount) {
  cefsim_test_force_violation("first thing");
  cefsim_test_force_violation("second thing");
  ASSERT_EQ(2u, orvtest::Violations().size());
  EXPECT_EQ(1, orvtest::TakeViolations("first"));
  ASSERT_EQ(1u, orvtest::Violations().size());
  EXPECT_EQ("second thing", orvtest::Violations()[0]);
  EXPECT_EQ(1, orvtest::TakeViolations("second"));
  EXPECT_TRUE(orvtest::Violations().empty());
}

TEST(RecordsTest, ViolationTextIsCopiedAndTruncatedSafely) {
  cefsim_test_force_violation("abcdef");
  char small[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(6, cefsim_violation_text(0, small, sizeof(small)));
  EXPECT_STREQ("abc", small);
  EXPECT_EQ(-1, cefsim_violation_text(1, small, sizeof(small)));
  EXPECT_EQ(1, orvtest::TakeViolations("abcdef"));
}

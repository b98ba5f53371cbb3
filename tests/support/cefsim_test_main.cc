// Test main for programs that run against the simulated runtime: every test
// starts with empty records and fails when it leaves a violation behind. A
// process started with a --type switch is one of the program's own child
// processes and never reaches the tests.
#include <windows.h>

#include <string>
#include <vector>

#include "cefsim/control.h"
#include "child_process_app.h"
#include "gtest/gtest.h"
#include "include/cef_app.h"
#include "violations.h"

namespace orvtest {
namespace {

// Violations taken by TakeViolations; the rest still count. Test thread only.
std::vector<std::string> g_taken_texts;

class ViolationGuard : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override {
    cefsim_clear_records();
    g_taken_texts.clear();
  }
};

}  // namespace

std::vector<std::string> Violations() {
  std::vector<std::string> texts;
  const int count = cefsim_violation_count();
  for (int i = 0; i < count; ++i) {
    const int size = cefsim_violation_text(i, nullptr, 0);
    std::string text(size + 1, '\0');
    cefsim_violation_text(i, &text[0], size + 1);
    text.resize(size);
    texts.push_back(text);
  }
  // Drop the ones already taken, by text, one for one.
  std::vector<std::string> taken = g_taken_texts;
  std::vector<std::string> left;
  for (const std::string& text : texts) {
    bool dropped = false;
    for (auto it = taken.begin(); it != taken.end(); ++it) {
      if (*it == text) {
        taken.erase(it);
        dropped = true;
        break;
      }
    }
    if (!dropped)
      left.push_back(text);
  }
  return left;
}

int TakeViolations(const std::string& fragment) {
  int count = 0;
  for (const std::string& text : Violations()) {
    if (text.find(fragment) != std::string::npos) {
      g_taken_texts.push_back(text);
      ++count;
    }
  }
  return count;
}

}  // namespace orvtest

namespace {

// A listener cannot add failures to the test that just ended, so leftover
// violations are printed and turn the program's exit code into a failure.
// CTest runs one test case per process, so the failure names the right case.
class LeftoverViolations : public testing::EmptyTestEventListener {
 public:
  void OnTestEnd(const testing::TestInfo& info) override {
    std::vector<std::string> left = orvtest::Violations();
    if (left.empty())
      return;
    for (const std::string& text : left)
      fprintf(stderr, "[  FAILED  ] %s.%s left a violation: %s\n",
              info.test_suite_name(), info.name(), text.c_str());
    failed_ = true;
  }
  bool failed() const { return failed_; }

 private:
  bool failed_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  {
    CefMainArgs main_args(GetModuleHandle(nullptr));
    const int exit_code =
        CefExecuteProcess(main_args, orvtest::MakeChildProcessApp(), nullptr);
    if (exit_code >= 0)
      return exit_code;
  }
  testing::InitGoogleTest(&argc, argv);
  testing::TestEventListeners& listeners =
      testing::UnitTest::GetInstance()->listeners();
  listeners.Append(new orvtest::ViolationGuard());
  auto* leftovers = new LeftoverViolations();
  listeners.Append(leftovers);
  int result = RUN_ALL_TESTS();
  if (leftovers->failed())
    result = 1;
  return result;
}

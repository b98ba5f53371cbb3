// Every test that runs against the simulated runtime fails when the runtime
// recorded a violation (a misuse that a debug build of CEF stops on), unless
// the test took that violation on purpose with TakeViolation.
#ifndef TESTS_SUPPORT_VIOLATIONS_H_
#define TESTS_SUPPORT_VIOLATIONS_H_

#include <string>
#include <vector>

namespace orvtest {

// The violations recorded so far, oldest first.
std::vector<std::string> Violations();

// Removes the recorded violations whose text contains |fragment| and returns
// how many there were. Other violations stay and still fail the test.
int TakeViolations(const std::string& fragment);

}  // namespace orvtest

#endif  // TESTS_SUPPORT_VIOLATIONS_H_

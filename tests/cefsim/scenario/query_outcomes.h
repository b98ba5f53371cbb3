// Outcomes of a page's cefQuery calls, as the tests of the scenario's page
// write them.
#ifndef TESTS_CEFSIM_SCENARIO_QUERY_OUTCOMES_H_
#define TESTS_CEFSIM_SCENARIO_QUERY_OUTCOMES_H_

#include <string>

#include "process/renderer_host.h"

namespace cefsim {
namespace browser {

inline process::PageQueryOutcome Success(const std::string& response) {
  process::PageQueryOutcome outcome;
  outcome.success = true;
  outcome.response = response;
  return outcome;
}

inline process::PageQueryOutcome Failure(int code, const std::string& message) {
  process::PageQueryOutcome outcome;
  outcome.error_code = code;
  outcome.error_message = message;
  return outcome;
}

}  // namespace browser
}  // namespace cefsim

#endif  // TESTS_CEFSIM_SCENARIO_QUERY_OUTCOMES_H_

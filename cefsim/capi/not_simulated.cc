#include "capi/not_simulated.h"

#include <string>

#include "diagnostics/records.h"

namespace cefsim {
namespace capi {

void ReportNotSimulated(const char* function) {
  ReportViolation(std::string(function) + " is not simulated");
}

}  // namespace capi
}  // namespace cefsim

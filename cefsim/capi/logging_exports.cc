// CEF's logging entry points, which the base library's LOG, CHECK and DCHECK
// macros call on both sides of the C API. A fatal message (a failed CHECK or
// DCHECK, NOTREACHED) is what a debug build of CEF stops on, so it is a
// violation; other messages go to standard error as CEF's log would have
// them.
#include <cstdio>
#include <string>

#include "diagnostics/records.h"
#include "include/base/cef_logging.h"
#include "include/internal/cef_logging_internal.h"

int cef_get_min_log_level(void) {
  return cef::logging::LOG_INFO;
}

int cef_get_vlog_level(const char* file_start, size_t N) {
  return 0;
}

void cef_log(const char* file, int line, int severity, const char* message) {
  std::string text = std::string(file ? file : "?") + "(" +
                     std::to_string(line) + "): " + (message ? message : "");
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
    text.pop_back();
  if (severity >= cef::logging::LOG_FATAL) {
    cefsim::ReportViolation("CEF: " + text);
    return;
  }
  std::fprintf(stderr, "cefsim: log %d: %s\n", severity, text.c_str());
}

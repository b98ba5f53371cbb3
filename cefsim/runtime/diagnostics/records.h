// Process-wide records of misuse (violations) and tolerated quirks (notes).
#ifndef CEFSIM_RUNTIME_DIAGNOSTICS_RECORDS_H_
#define CEFSIM_RUNTIME_DIAGNOSTICS_RECORDS_H_

#include <string>

namespace cefsim {

// Records what a debug build of CEF would stop on. Prints it to standard
// error; ends the process with exit code 3 when CEFSIM_FATAL=1 is set.
// Callable from any thread.
void ReportViolation(const std::string& text);

// Records a quirk that CEF tolerates, under |tag|. Callable from any thread.
void RecordNote(const std::string& tag, const std::string& detail);

}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_DIAGNOSTICS_RECORDS_H_

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

// Receives every record as it is made, so that a renderer process can pass
// its records to the browser process, where tests read them. |tag| is empty
// for a violation. Called on the recording thread.
using RecordForwarder = void (*)(const std::string& tag,
                                 const std::string& text);
// Installs |forwarder| (null removes it). A call already under way when it
// is removed still completes, so what it uses must outlive that.
void SetRecordForwarder(RecordForwarder forwarder);

}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_DIAGNOSTICS_RECORDS_H_

// The exports that let wrapper code write to the runtime's records.
#include "wrapper/diagnostics_exports.h"

#include "diagnostics/records.h"

void cefsim_report_violation(const char* text) {
  cefsim::ReportViolation(text ? text : "");
}

void cefsim_record_note(const char* tag, const char* detail) {
  cefsim::RecordNote(tag ? tag : "", detail ? detail : "");
}

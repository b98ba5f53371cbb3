// The exports that let wrapper code write to the runtime's records.
#include "wrapper/diagnostics_exports.h"

#include "diagnostics/object_counts.h"
#include "diagnostics/records.h"

void cefsim_report_violation(const char* text) {
  cefsim::ReportViolation(text ? text : "");
}

void cefsim_record_note(const char* tag, const char* detail) {
  cefsim::RecordNote(tag ? tag : "", detail ? detail : "");
}

void cefsim_count_wrapper_object(const char* kind, int delta) {
  cefsim::CountedKind counted;
  if (kind && cefsim::CountedKindNamed(kind, &counted))
    cefsim::CountWrapperObject(counted, delta);
}

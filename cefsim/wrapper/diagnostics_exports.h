// The libcef.dll exports through which wrapper code records misuse and
// tolerated quirks in the runtime's records (see docs/cefsim.md,
// "Strictness"), so a test sees them as it sees the runtime's own.
#ifndef CEFSIM_WRAPPER_DIAGNOSTICS_EXPORTS_H_
#define CEFSIM_WRAPPER_DIAGNOSTICS_EXPORTS_H_

#if !defined(CEFSIM_EXPORT)
#if defined(BUILDING_CEF_SHARED)
#define CEFSIM_EXPORT __declspec(dllexport)
#else
#define CEFSIM_EXPORT
#endif
#endif

extern "C" {

// Records |text| (UTF-8) as a violation: what a debug build of CEF would
// stop on. Any thread.
CEFSIM_EXPORT void cefsim_report_violation(const char* text);

// Records a note under |tag| with |detail| (UTF-8, may be null). Any thread.
CEFSIM_EXPORT void cefsim_record_note(const char* tag, const char* detail);

// One wrapper object of |kind| (a name cefsim_object_count knows, such as
// "message_router") was made (|delta| 1) or destroyed (-1), so leak checks
// see wrapper objects too. Any thread.
CEFSIM_EXPORT void cefsim_count_wrapper_object(const char* kind, int delta);
}

#endif  // CEFSIM_WRAPPER_DIAGNOSTICS_EXPORTS_H_

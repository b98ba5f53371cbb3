// Control interface of the simulated CEF runtime, for tests and the demo.
//
// Nothing in CEF corresponds to this header. It lets a test act as the web,
// as the page, as the user and as the operating system, and observe what the
// code under test did. The product never includes it.
//
// Every function is exported by libcef.dll with C linkage. Texts are UTF-8
// unless a name says otherwise. A function that waits takes a timeout in
// milliseconds and returns 0 when the timeout ran out.
#ifndef CEFSIM_CONTROL_H_
#define CEFSIM_CONTROL_H_

#include <stddef.h>
#include <stdint.h>

// As with CEF_EXPORT, users see plain declarations: a call then goes through
// the import library's thunk, which works for the delay-load library too
// (a dllimport reference would read the delay-load slot before it is bound).
#if defined(BUILDING_CEF_SHARED)
#define CEFSIM_EXPORT __declspec(dllexport)
#else
#define CEFSIM_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

// --- Records of misuse and of tolerated quirks ---------------------------
// A violation is what a debug build of CEF stops on. A note is something CEF
// tolerates silently, recorded under a short tag so a test can assert that
// it never (or exactly so often) happened.

CEFSIM_EXPORT int cefsim_violation_count(void);
// Copies violation |index| (0-based) into |buffer| (always terminated when
// |size| > 0) and returns the text's full length, or -1 for a bad index.
CEFSIM_EXPORT int cefsim_violation_text(int index, char* buffer, int size);
// Counts notes with |tag|; NULL counts every note.
CEFSIM_EXPORT int cefsim_note_count(const char* tag);
// Forgets every violation and note recorded so far.
CEFSIM_EXPORT void cefsim_clear_records(void);
// Records |text| as a violation, as the runtime does on misuse; lets the
// records' own tests exercise the fatal mode.
CEFSIM_EXPORT void cefsim_test_force_violation(const char* text);

#ifdef __cplusplus
}
#endif

#endif  // CEFSIM_CONTROL_H_

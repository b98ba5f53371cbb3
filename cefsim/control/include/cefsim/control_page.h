// Control interface of the simulated runtime: acting as the page (cefQuery,
// cefQueryCancel, popups opened by script) and as the operating system
// (killing a renderer process). Conventions as in control.h.
#ifndef CEFSIM_CONTROL_PAGE_H_
#define CEFSIM_CONTROL_PAGE_H_

#include "cefsim/control.h"

#ifdef __cplusplus
extern "C" {
#endif

// Script in |frame_id| of |browser_id| calls window.open(|url|), with the
// window features left=x, top=y, width, height each given where its
// *_set flag is non-zero. Returns 0 when the browser is unknown.
CEFSIM_EXPORT int cefsim_page_open_popup(int browser_id,
                                         int64_t frame_id,
                                         const char* url,
                                         int x,
                                         int x_set,
                                         int y,
                                         int y_set,
                                         int width,
                                         int width_set,
                                         int height,
                                         int height_set);

// The page in |frame_id| calls cefQuery({request, persistent, ...}).
// Returns the id its outcomes are waited for with, or 0 when the browser
// or its renderer is unknown.
CEFSIM_EXPORT int cefsim_page_query(int browser_id,
                                    int64_t frame_id,
                                    const char* request,
                                    int persistent);
// The page calls cefQueryCancel for the query |page_query_id|.
CEFSIM_EXPORT int cefsim_page_query_cancel(int browser_id,
                                           int64_t frame_id,
                                           int page_query_id);
// Waits until query |page_query_id| has |count| outcomes; returns how many
// it has (fewer when the timeout ran out).
CEFSIM_EXPORT int cefsim_page_wait_outcomes(int page_query_id,
                                            int count,
                                            int timeout_ms);
// Outcome |index| of a query: 1 for onSuccess, 0 for onFailure, -1 when
// there is none. The text is the response or the error message.
CEFSIM_EXPORT int cefsim_page_outcome(int page_query_id,
                                      int index,
                                      int* error_code,
                                      char* buffer,
                                      int size);
// The length in bytes of outcome |index|'s text; -1 when there is none.
CEFSIM_EXPORT int cefsim_page_outcome_length(int page_query_id, int index);
// Forgets the outcomes of query |page_query_id|, so that a long run of
// queries leaves no record behind; returns how many there were.
CEFSIM_EXPORT int cefsim_page_forget_outcomes(int page_query_id);
// Forgets what the runtime recorded for tests that describes no live object
// any more, for the same reason: browsers and frames that are gone (closed,
// or navigated away from), the network requests of closed browsers and the
// SetPreference calls so far. Returns how many records went.
CEFSIM_EXPORT int cefsim_forget_history(void);
// Waits until the browser's renderer has handled everything sent to it so
// far; 0 on timeout or without a renderer.
CEFSIM_EXPORT int cefsim_page_sync(int browser_id, int timeout_ms);

// Kills the renderer process of |browser_id| as the operating system
// would, and returns once the browser process has heard of it (the client's
// OnRenderProcessTerminated has run). Returns 0 when the browser has no
// renderer. Not on the UI thread.
CEFSIM_EXPORT int cefsim_os_kill_renderer(int browser_id);
// Ends the renderer process of |browser_id| with |exit_code|, as
// TerminateProcess does. Returns 0 when the browser has no renderer.
CEFSIM_EXPORT int cefsim_os_end_renderer(int browser_id,
                                         unsigned long exit_code);

#ifdef __cplusplus
}
#endif

#endif  // CEFSIM_CONTROL_PAGE_H_

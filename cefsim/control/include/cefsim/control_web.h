// Control interface of the simulated runtime: acting as the web and
// observing what the browser process did (settings, browsers, frames,
// navigations, scripts). See control.h for the conventions: C linkage,
// UTF-8 texts, text getters that copy into a buffer (always terminated when
// |size| > 0) and return the full length or -1 when there is nothing.
#ifndef CEFSIM_CONTROL_WEB_H_
#define CEFSIM_CONTROL_WEB_H_

#include "cefsim/control.h"

#ifdef __cplusplus
extern "C" {
#endif

// --- Start-up -------------------------------------------------------------

// Makes the next CefInitialize fail, leaving a context behind as a failed
// CEF start-up does.
CEFSIM_EXPORT void cefsim_fail_next_initialize(void);

// Holds back OnContextInitialized of the next successful CefInitialize for
// |delay_ms|, as a browser process busy starting up would. A callback still
// held at CefShutdown never comes.
CEFSIM_EXPORT void cefsim_delay_next_context_initialized(int delay_ms);
// A text field of the CefSettings that CefInitialize received, by its C
// name ("cache_path", "browser_subprocess_path", "locale", ...).
CEFSIM_EXPORT int cefsim_settings_text(const char* field,
                                       char* buffer,
                                       int size);
// An integer field ("no_sandbox", "log_severity", "remote_debugging_port",
// "multi_threaded_message_loop", ...) into |*value|; 0 when unknown or
// before any CefInitialize.
CEFSIM_EXPORT int cefsim_settings_int(const char* field, int* value);

// --- The web ----------------------------------------------------------------
// URLs are canonicalised as GURL does; the fragment is ignored. An unknown
// http(s) host fails with ERR_NAME_NOT_RESOLVED, an unknown path on a
// served host gets 404; data: URLs serve their decoded content.

// Serves |url| with HTTP |status|, the page title |title| (NULL: the page
// has none) and the document |html| (NULL: empty). Replaces what was set.
CEFSIM_EXPORT void cefsim_web_serve(const char* url,
                                    int status,
                                    const char* title,
                                    const char* html);
// The page at |url| gets one more sub-frame, which loads |subframe_url|.
CEFSIM_EXPORT void cefsim_web_add_subframe(const char* url,
                                           const char* subframe_url);
// |url| answers with a redirect to |target|.
CEFSIM_EXPORT void cefsim_web_redirect(const char* url, const char* target);
// A load of |url| fails with |net_error| (a negative cef_errorcode_t),
// before commit, or after commit when |after_commit| is non-zero.
CEFSIM_EXPORT void cefsim_web_fail(const char* url,
                                   int net_error,
                                   int after_commit);
CEFSIM_EXPORT void cefsim_web_clear(void);

// --- Observing browsers and frames -----------------------------------------

CEFSIM_EXPORT int cefsim_live_browser_count(void);
// Browser objects that still exist, closed ones a reference keeps alive
// included: a leak check.
CEFSIM_EXPORT int cefsim_browser_object_count(void);
// Other objects of the browser process that still exist, by kind: "frame",
// "process_message", "download_item", "download_callback" (the callbacks
// handed to a download handler), "auth_callback", "request_context", and of
// the wrapper's message router: "message_router" (browser side) and
// "query_callback". -1 for an unknown kind.
CEFSIM_EXPORT int cefsim_object_count(const char* kind);
CEFSIM_EXPORT int cefsim_live_frame_count(void);
// Ids of live browsers, oldest first; returns how many there are.
CEFSIM_EXPORT int cefsim_live_browser_ids(int* ids, int max);
// The browser's window (an HWND), NULL when unknown.
CEFSIM_EXPORT void* cefsim_browser_window(int browser_id);
CEFSIM_EXPORT int cefsim_browser_is_popup(int browser_id);
CEFSIM_EXPORT int cefsim_browser_opener(int browser_id);
// How many renderer processes were started for the browser.
CEFSIM_EXPORT int cefsim_browser_renderer_launches(int browser_id);
// How many of them the browser has seen end (reported to the client or not).
CEFSIM_EXPORT int cefsim_browser_renderer_ends(int browser_id);
// The title last reported for the browser through OnTitleChange.
CEFSIM_EXPORT int cefsim_browser_title(int browser_id, char* buffer, int size);
// Whether a navigation of the browser is under way; set before the
// navigation shows in cefsim_frame_navigation_count, cleared when it ends.
CEFSIM_EXPORT int cefsim_browser_is_loading(int browser_id);
// Every frame the browser ever had, main frame first; returns the count.
CEFSIM_EXPORT int cefsim_browser_frame_ids(int browser_id,
                                           int64_t* ids,
                                           int max);
CEFSIM_EXPORT int64_t cefsim_main_frame_id(int browser_id);
CEFSIM_EXPORT int cefsim_frame_is_live(int64_t frame_id);
CEFSIM_EXPORT int64_t cefsim_frame_parent(int64_t frame_id);
CEFSIM_EXPORT int cefsim_frame_url(int64_t frame_id, char* buffer, int size);
// The document the frame shows (a data: URL decoded).
CEFSIM_EXPORT int cefsim_frame_html(int64_t frame_id, char* buffer, int size);
CEFSIM_EXPORT int cefsim_frame_navigation_count(int64_t frame_id);
CEFSIM_EXPORT int cefsim_frame_navigation_url(int64_t frame_id,
                                              int index,
                                              char* buffer,
                                              int size);
// Scripts run in the frame (ExecuteJavaScript), in order.
CEFSIM_EXPORT int cefsim_frame_script_count(int64_t frame_id);
CEFSIM_EXPORT int cefsim_frame_script(int64_t frame_id,
                                      int index,
                                      char* buffer,
                                      int size);
CEFSIM_EXPORT int cefsim_frame_script_url(int64_t frame_id,
                                          int index,
                                          char* buffer,
                                          int size);
CEFSIM_EXPORT int cefsim_frame_script_line(int64_t frame_id, int index);

#ifdef __cplusplus
}
#endif

#endif  // CEFSIM_CONTROL_WEB_H_

// Control interface of the simulated runtime: preferences and the proxy
// each request used, authentication challenges and their answers,
// downloads with the save dialog, and the message boxes a download handler
// shows. Conventions as in control.h; every wait is bounded by its
// |timeout_ms|.
#ifndef CEFSIM_CONTROL_NETWORK_H_
#define CEFSIM_CONTROL_NETWORK_H_

#include "cefsim/control.h"

#ifdef __cplusplus
extern "C" {
#endif

// --- Preferences ------------------------------------------------------------
// Every SetPreference call on a request context or the global preference
// manager, in order, also the refused ones.

CEFSIM_EXPORT int cefsim_preference_set_count(void);
CEFSIM_EXPORT int cefsim_preference_set_name(int index, char* buffer, int size);
// The value as compact JSON ({"mode":"fixed_servers","server":"p:8080"});
// "null" for a reset to the default.
CEFSIM_EXPORT int cefsim_preference_set_value(int index,
                                              char* buffer,
                                              int size);
// The call's request context (its id; 1 is the global context, 0 the
// global preference manager), whether it came on the UI thread and whether
// it succeeded. Returns 0 for a bad index.
CEFSIM_EXPORT int cefsim_preference_set_flags(int index,
                                              int* context_id,
                                              int* on_ui_thread,
                                              int* succeeded);

// --- Proxies ----------------------------------------------------------------
// What the system's proxy settings (behind the preference's mode "system")
// say: a server, or NULL for a direct connection.
CEFSIM_EXPORT void cefsim_system_proxy(const char* server);

// Every http(s) request of a navigation that went to the network, in order,
// with the proxy it used.
CEFSIM_EXPORT int cefsim_network_request_count(void);
CEFSIM_EXPORT int cefsim_network_request_url(int index, char* buffer, int size);
CEFSIM_EXPORT int cefsim_network_request_browser(int index);
// The proxy mode in effect ("direct", "fixed_servers", "system", ...) and
// the server the request went through ("" when it went direct). Returns 0
// for a bad index.
CEFSIM_EXPORT int cefsim_network_request_proxy(int index,
                                               char* mode,
                                               int mode_size,
                                               char* server,
                                               int server_size);

// --- Authentication ---------------------------------------------------------
// |url| answers 401, the proxy |server| (as the proxy preference names it)
// answers 407, with |realm| and |scheme| ("basic", ...). With |username|
// NULL any credentials are accepted, else only these. After
// |max_challenges| (at least 1) refused answers the server gives up and
// its 401 or 407 response loads as the page.
CEFSIM_EXPORT void cefsim_web_require_auth(const char* url,
                                           const char* realm,
                                           const char* scheme,
                                           const char* username,
                                           const char* password,
                                           int max_challenges);
CEFSIM_EXPORT void cefsim_proxy_require_auth(const char* server,
                                             const char* realm,
                                             const char* scheme,
                                             const char* username,
                                             const char* password,
                                             int max_challenges);

#define CEFSIM_AUTH_PENDING 0
#define CEFSIM_AUTH_CONTINUED 1
#define CEFSIM_AUTH_CANCELED 2

// Challenges put to clients, in order. Waits until there are |count|;
// returns how many there are.
CEFSIM_EXPORT int cefsim_auth_wait_challenges(int count, int timeout_ms);
// Waits until challenge |index| is answered; returns its outcome
// (CEFSIM_AUTH_*), or -1 for a bad index.
CEFSIM_EXPORT int cefsim_auth_wait_outcome(int index, int timeout_ms);
// Text fields: "url", "origin_url", "host", "realm", "scheme", "username",
// "password" (the credentials given).
CEFSIM_EXPORT int cefsim_auth_challenge_text(int index,
                                             const char* field,
                                             char* buffer,
                                             int size);
// Integer fields: "browser_id", "is_proxy", "port", "on_io_thread" (asked
// there), "handled" (GetAuthCredentials returned true), "outcome". Returns
// 0 for a bad index or field.
CEFSIM_EXPORT int cefsim_auth_challenge_int(int index,
                                            const char* field,
                                            int* value);

// --- Downloads --------------------------------------------------------------

#define CEFSIM_DOWNLOAD_REFUSED 0
#define CEFSIM_DOWNLOAD_AWAITING_TARGET 1
#define CEFSIM_DOWNLOAD_CHOOSING_PATH 2
#define CEFSIM_DOWNLOAD_TRANSFERRING 3
#define CEFSIM_DOWNLOAD_HELD 4
#define CEFSIM_DOWNLOAD_COMPLETE 5
#define CEFSIM_DOWNLOAD_CANCELED 6

// The page of |browser_id| starts a download of |url| (as a link the user
// clicks): the server suggests |file_name| (NULL: none) and sends
// |total_bytes|. With |hold| the transfer stops before its last bytes until
// cefsim_download_finish or cefsim_download_cancel. Returns the download's
// id, 0 for an unknown browser.
CEFSIM_EXPORT int cefsim_page_download(int browser_id,
                                       const char* url,
                                       const char* file_name,
                                       int64_t total_bytes,
                                       int hold);
// A navigation to |url| gets a download response; the navigation ends with
// ERR_ABORTED and the download starts.
CEFSIM_EXPORT void cefsim_web_serve_download(const char* url,
                                             const char* file_name,
                                             const char* mime_type,
                                             int64_t total_bytes);
CEFSIM_EXPORT int cefsim_download_count(void);
// CEFSIM_DOWNLOAD_*, or -1 for an unknown id.
CEFSIM_EXPORT int cefsim_download_phase(int download_id);
// Waits until the download is in |phase|; returns 0 on timeout.
CEFSIM_EXPORT int cefsim_download_wait_phase(int download_id,
                                             int phase,
                                             int timeout_ms);
// Integer fields: "browser_id", "item_id", "received_bytes",
// "total_bytes", "can_download_calls", "before_download_calls",
// "updated_calls", "continue_calls", "continue_show_dialog". Returns 0 for
// an unknown id or field.
CEFSIM_EXPORT int cefsim_download_int(int download_id,
                                      const char* field,
                                      int64_t* value);
// Text fields: "full_path", "continue_path" (the first Continue's), "url",
// "content_disposition", "mime_type".
CEFSIM_EXPORT int cefsim_download_text(int download_id,
                                       const char* field,
                                       char* buffer,
                                       int size);
// A held download receives its last bytes and completes.
CEFSIM_EXPORT int cefsim_download_finish(int download_id);
// The user cancels a download still in progress.
CEFSIM_EXPORT int cefsim_download_cancel(int download_id);
// Chromium reports the item once more, as it is.
CEFSIM_EXPORT int cefsim_download_repeat_update(int download_id);

// --- The save dialog --------------------------------------------------------
// Dialogs are numbered from 1 as they open.

// The next dialog that opens is answered with |path| (NULL cancels it).
// Answers queue up in order.
CEFSIM_EXPORT void cefsim_save_dialog_queue_answer(const char* path);
// The oldest open dialog, waiting for one to open; 0 on timeout.
CEFSIM_EXPORT int cefsim_save_dialog_wait(int timeout_ms);
// Answers open dialog |dialog_id| with |path| (NULL cancels). Returns 0
// when it is not open.
CEFSIM_EXPORT int cefsim_save_dialog_answer(int dialog_id, const char* path);
CEFSIM_EXPORT int cefsim_save_dialog_count(void);
// Text fields: "default_file_name", "accept_type" (the first, "" if none),
// "path" (the answer).
CEFSIM_EXPORT int cefsim_save_dialog_text(int dialog_id,
                                          const char* field,
                                          char* buffer,
                                          int size);
// Integer fields: "browser_id", "answered", "canceled".
CEFSIM_EXPORT int cefsim_save_dialog_int(int dialog_id,
                                         const char* field,
                                         int* value);

// --- Message boxes ----------------------------------------------------------
// The message box (a MessageBoxW dialog) owned by the window |owner|, as a
// download handler shows one from OnDownloadUpdated.

// Waits for one to show; copies its text (UTF-8) and returns 1, or 0 on
// timeout.
CEFSIM_EXPORT int cefsim_message_box_wait(void* owner,
                                          int timeout_ms,
                                          char* text,
                                          int size);
// Presses button |button_id| (IDYES, IDNO, IDOK, ...) of the box owned by
// |owner|, waiting for it to show and then to close. Returns 0 on timeout.
CEFSIM_EXPORT int cefsim_message_box_answer(void* owner,
                                            int button_id,
                                            int timeout_ms);

#ifdef __cplusplus
}
#endif

#endif  // CEFSIM_CONTROL_NETWORK_H_

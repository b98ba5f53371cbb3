// The libcef.dll exports behind the browser-process entry points: start and
// stop, threads and tasks, browser creation. Objects are borrowed for the
// call; one that is returned carries a reference for the caller (adopt.h).
#ifndef CEFSIM_WRAPPER_BROWSER_EXPORTS_H_
#define CEFSIM_WRAPPER_BROWSER_EXPORTS_H_

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_task.h"

#if !defined(CEFSIM_EXPORT)
#if defined(BUILDING_CEF_SHARED)
#define CEFSIM_EXPORT __declspec(dllexport)
#else
#define CEFSIM_EXPORT
#endif
#endif

extern "C" {

CEFSIM_EXPORT int cef_initialize(const cef_main_args_t* args,
                                 const cef_settings_t* settings,
                                 CefApp* application,
                                 void* windows_sandbox_info);
CEFSIM_EXPORT void cef_shutdown(void);
CEFSIM_EXPORT void cef_quit_message_loop(void);

CEFSIM_EXPORT int cef_currently_on(cef_thread_id_t thread_id);
CEFSIM_EXPORT int cef_post_task(cef_thread_id_t thread_id, CefTask* task);
CEFSIM_EXPORT int cef_post_delayed_task(cef_thread_id_t thread_id,
                                        CefTask* task,
                                        int64 delay_ms);

// Returns at once; the browser is created later on the UI thread.
CEFSIM_EXPORT int cef_browser_host_create_browser(
    const cef_window_info_t* window_info,
    CefClient* client,
    const cef_string_t* url,
    const cef_browser_settings_t* settings,
    CefDictionaryValue* extra_info,
    CefRequestContext* request_context);
}

#endif  // CEFSIM_WRAPPER_BROWSER_EXPORTS_H_

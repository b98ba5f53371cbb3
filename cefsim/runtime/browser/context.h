// The browser process's global context: what CefInitialize starts and
// CefShutdown ends (the UI and IO threads, the application, the settings).
#ifndef CEFSIM_RUNTIME_BROWSER_CONTEXT_H_
#define CEFSIM_RUNTIME_BROWSER_CONTEXT_H_

#include "include/cef_app.h"
#include "include/internal/cef_types_wrappers.h"

namespace cefsim {
namespace browser {

// CefInitialize's work. Init thread (the caller's).
bool InitializeContext(const cef_main_args_t& args,
                       const cef_settings_t& settings,
                       CefRefPtr<CefApp> application);
// CefShutdown's work. Init thread.
void ShutdownContext();
// CefQuitMessageLoop's work. Init thread.
void QuitContextMessageLoop();

// Initialised and not shutting down (CEF's CONTEXT_STATE_VALID). Any thread.
bool ContextValid();

// The settings CefInitialize received, for the browser runtime and tests.
// Valid from the first CefInitialize on (also after a failed one, as CEF
// keeps them); false before. Any thread: copies under a lock.
bool GetReceivedSettings(CefSettings* settings);

// The application given to CefInitialize; null without a context.
CefRefPtr<CefApp> ContextApplication();

// Makes the next CefInitialize fail after it has created the context (the
// way a failing Chromium start-up leaves CEF). Any thread.
void FailNextInitialize();
// The next successful CefInitialize calls OnContextInitialized only after
// |delay_ms|; at CefShutdown a callback still waiting is dropped.
void DelayNextContextInitialized(int delay_ms);

}  // namespace browser
}  // namespace cefsim

#endif  // CEFSIM_RUNTIME_BROWSER_CONTEXT_H_

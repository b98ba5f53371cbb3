// The libcef.dll export behind CefExecuteProcess.
#ifndef CEFSIM_WRAPPER_RENDERER_EXPORTS_H_
#define CEFSIM_WRAPPER_RENDERER_EXPORTS_H_

#include "include/cef_app.h"

#if !defined(CEFSIM_EXPORT)
#if defined(BUILDING_CEF_SHARED)
#define CEFSIM_EXPORT __declspec(dllexport)
#else
#define CEFSIM_EXPORT
#endif
#endif

extern "C" {

// Runs this process as the child that its command line names and returns its
// exit code, or -1 at once when the command line has no --type= switch.
// |application| is borrowed for the call (may be null).
CEFSIM_EXPORT int cef_execute_process(const cef_main_args_t* args,
                                      CefApp* application,
                                      void* windows_sandbox_info);
}

#endif  // CEFSIM_WRAPPER_RENDERER_EXPORTS_H_

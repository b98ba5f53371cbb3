// The C exports that start and stop the browser process's context.
#include "browser/context.h"
#include "wrapper/browser_exports.h"

int cef_initialize(const cef_main_args_t* args,
                   const cef_settings_t* settings,
                   CefApp* application,
                   void* windows_sandbox_info) {
  return cefsim::browser::InitializeContext(*args, *settings, application) ? 1
                                                                           : 0;
}

void cef_shutdown(void) {
  cefsim::browser::ShutdownContext();
}

void cef_quit_message_loop(void) {
  cefsim::browser::QuitContextMessageLoop();
}

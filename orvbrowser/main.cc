// orvbrowser.exe: the program CEF starts for its child processes (renderer,
// GPU, utility). It does nothing but hand the process to CEF.
#include <windows.h>

#include "include/cef_app.h"
#include "renderer_app.h"

int APIENTRY wWinMain(HINSTANCE instance,
                      HINSTANCE previous_instance,
                      LPWSTR command_line,
                      int show_command) {
  CefMainArgs main_args(instance);
  CefRefPtr<CefApp> app(new OrvCefApp());
  // CefExecuteProcess returns the child's exit code when it ends, or -1 when
  // this was started without a process type (nothing for us to do then).
  const int exit_code = CefExecuteProcess(main_args, app, nullptr);
  app = nullptr;
  return exit_code;
}

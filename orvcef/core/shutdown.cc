#include "orvcef/core/shutdown.h"

#include <windows.h>

#include "include/cef_app.h"
#include "orvcef/base/library_state.h"
#include "orvcef/base/thread_checks.h"
#include "orvcef/core/browser_app.h"
#include "orvcef/core/container_window.h"
#include "orvcef/handler/client_handler.h"

namespace orvcef {

namespace {

constexpr DWORD kCloseWaitStepMs = 50;

// One step of the wait for the browsers to close. Posted messages stay
// queued, but messages other threads send to this thread's windows are
// served: a query that CEF's UI thread is sending to a message window of
// this thread must finish, or the closing it blocks would never come.
void WaitOneStep() {
  if (MsgWaitForMultipleObjects(0, nullptr, FALSE, kCloseWaitStepMs,
                                QS_SENDMESSAGE) == WAIT_OBJECT_0) {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace

void PrepareTermination() {
  LibraryState& state = State();
  CefRefPtr<OrvCefApp> app = CurrentApp();
  if (!app)
    return;
  CefRefPtr<OrvCefHandler> handler = app->client_handler();
  const HWND browser_window = handler ? handler->main_window() : nullptr;
  SetParent(browser_window, app->container_window());
  state.set_current_route(std::wstring());
  // From here queries fail at once instead of waiting for the host.
  state.set_message_window(nullptr);
}

void Terminate() {
  LibraryState& state = State();
  if (!state.initialized())
    return;
  ORVCEF_REQUIRE_THREAD(state.start_thread(), "the thread of OrvCefStart");

  CefRefPtr<OrvCefApp> app = CurrentApp();
  // A host may end right after starting. CefShutdown must not overtake
  // OnContextInitialized, which would then ask a context that is going away
  // for the main browser.
  if (app && !state.context_failed()) {
    while (!app->context_initialized())
      WaitOneStep();
  }
  CefRefPtr<OrvCefHandler> handler = app ? app->client_handler() : nullptr;
  if (handler) {
    handler->CloseBrowsers(true);
    while (!handler->all_closed())
      WaitOneStep();
  }
  handler = nullptr;
  app = nullptr;

  // After a failed CefInitialize there is no context to shut down, and CEF
  // treats the call as a programming error.
  if (!state.context_failed())
    CefShutdown();
  state.set_context_failed(false);

  // Released after CefShutdown, which has dropped CEF's own references; the
  // last one destroys the application object and its client handler.
  state.TakeApp();
  UnregisterContainerClass(state.instance());
  FreeLibrary(state.cef_library());
  state.set_cef_library(nullptr);
  state.set_initialized(false);
}

}  // namespace orvcef

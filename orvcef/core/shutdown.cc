#include "orvcef/core/shutdown.h"

#include <windows.h>

#include "include/cef_app.h"
#include "orvcef/base/library_state.h"
#include "orvcef/base/thread_checks.h"
#include "orvcef/core/browser_app.h"
#include "orvcef/core/container_window.h"
#include "orvcef/core/lifecycle_lock.h"
#include "orvcef/handler/client_handler.h"

namespace orvcef {

namespace {

constexpr DWORD kCloseWaitStepMs = 50;
// How long OrvCefTerm waits for OnContextInitialized, which normally comes
// within milliseconds of CefInitialize. Past it, shutdown goes on and the
// callback, if it still comes, creates nothing.
constexpr DWORD kContextWaitLimitMs = 10000;
// How long OrvCefTerm waits for the browsers to close. A forced close
// normally takes well under a second; a browser still open after this is
// held by something outside the library (a host window that refuses
// WM_CLOSE, say), and CefShutdown destroys it with OnBeforeClose.
constexpr DWORD kBrowserCloseLimitMs = 5000;

// One step of a wait. Posted messages stay queued, but messages other
// threads send to this thread's windows are served: a query that CEF's UI
// thread is sending to a message window of this thread must finish, or the
// closing it blocks would never come.
void WaitOneStep() {
  if (MsgWaitForMultipleObjects(0, nullptr, FALSE, kCloseWaitStepMs,
                                QS_SENDMESSAGE) == WAIT_OBJECT_0) {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

// Waits in steps until |done| holds or |limit_ms| has passed; true when it
// holds. |between_steps| runs after each step.
template <typename Done, typename Step>
bool WaitUntil(Done done, DWORD limit_ms, Step between_steps) {
  const ULONGLONG deadline = GetTickCount64() + limit_ms;
  while (!done()) {
    if (GetTickCount64() >= deadline)
      return false;
    WaitOneStep();
    between_steps();
  }
  return true;
}

// Brings the main browser window back into the library's hidden container
// window, out of whatever host view holds it.
void ReturnMainBrowserToContainer(const CefRefPtr<OrvCefApp>& app) {
  CefRefPtr<OrvCefHandler> handler = app->client_handler();
  const HWND browser_window = handler ? handler->main_window() : nullptr;
  SetParent(browser_window, app->container_window());
}

}  // namespace

void PrepareTermination() {
  CefRefPtr<OrvCefApp> app = CurrentApp();
  if (!app)
    return;
  ReturnMainBrowserToContainer(app);
  LibraryState& state = State();
  state.set_current_route(std::wstring());
  // From here queries fail at once instead of waiting for the host.
  state.set_message_window(nullptr);
}

void Terminate() {
  LibraryState& state = State();
  // A window procedure that a termination's wait serves may call this again
  // on the same thread; the outer call finishes the job.
  if (!state.initialized() || state.terminating())
    return;
  ORVCEF_REQUIRE_THREAD(state.start_thread(), "the thread of OrvCefStart");
  LifecycleLock lifecycle;
  if (!state.initialized() || state.terminating())
    return;
  // From here host views leave the browser alone and starts are refused.
  state.set_terminating(true);

  CefRefPtr<OrvCefApp> app = CurrentApp();
  // A host may end right after starting. CefShutdown should not overtake
  // OnContextInitialized, which would then ask a context that is going away
  // for the main browser; the callback sees the termination and creates
  // nothing, so the wait is short, and bounded in case it never comes.
  if (app && !state.context_failed()) {
    WaitUntil([&] { return app->context_initialized(); }, kContextWaitLimitMs,
              [] {});
  }
  CefRefPtr<OrvCefHandler> handler = app ? app->client_handler() : nullptr;
  if (handler) {
    // CEF sends the closing browser's top-level window a WM_CLOSE. Inside a
    // host view that would be the host's own window; inside the container
    // window it is the library's.
    ReturnMainBrowserToContainer(app);
    handler->CloseBrowsers(true);
    // Each step asks again, which reaches only browsers that opened since
    // the last sweep: popups the page opens while the others close.
    WaitUntil([&] { return handler->all_closed(); }, kBrowserCloseLimitMs,
              [&] { handler->CloseBrowsers(true); });
  }
  handler = nullptr;
  app = nullptr;

  // After a failed CefInitialize there is no context to shut down, and CEF
  // treats the call as a programming error. Browsers still open are
  // destroyed here, each with its OnBeforeClose.
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
  state.set_terminating(false);
}

}  // namespace orvcef

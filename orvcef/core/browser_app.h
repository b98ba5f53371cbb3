// OrvCefApp: the browser-process application object handed to CefInitialize.
#ifndef ORVCEF_CORE_BROWSER_APP_H_
#define ORVCEF_CORE_BROWSER_APP_H_

#include <windows.h>

#include <atomic>
#include <mutex>

#include "include/cef_app.h"
#include "include/cef_browser_process_handler.h"

namespace orvcef {

class OrvCefHandler;

// Gives CEF its browser-process handler (itself) and, once CEF's context is
// up, creates the hidden container window, the client handler and the main
// browser. The library state holds the one long-lived reference to it.
class OrvCefApp : public CefApp, public CefBrowserProcessHandler {
 public:
  OrvCefApp();
  OrvCefApp(const OrvCefApp&) = delete;
  OrvCefApp& operator=(const OrvCefApp&) = delete;

  // CefApp:
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override;

  // CefBrowserProcessHandler:
  void OnContextInitialized() override;

  // Any thread. NULL until OnContextInitialized has run.
  HWND container_window() const { return container_window_; }
  // Any thread: OnContextInitialized has finished, so the main browser has
  // been asked for (or refused) and CEF has nothing of ours left to start.
  bool context_initialized() const { return context_initialized_; }
  // Any thread; the caller gets its own reference. Empty until
  // OnContextInitialized has run.
  CefRefPtr<OrvCefHandler> client_handler() const;

 private:
  ~OrvCefApp() override;

  // CEF's UI thread: the container window, the client handler and the
  // request for the main browser.
  void CreateMainBrowser();

  // Created and owned by CEF's UI thread, which alone may destroy it; the
  // library never does.
  std::atomic<HWND> container_window_{nullptr};
  std::atomic<bool> context_initialized_{false};

  mutable std::mutex handler_lock_;
  // Guarded by |handler_lock_|; written once on CEF's UI thread.
  CefRefPtr<OrvCefHandler> client_handler_;

  IMPLEMENT_REFCOUNTING(OrvCefApp);
};

// Any thread: the application object of the library state, or empty before
// OrvCefStart and after OrvCefTerm. The caller gets its own reference.
CefRefPtr<OrvCefApp> CurrentApp();
// Any thread: the client handler of the current application object, or
// empty until CEF's context is up.
CefRefPtr<OrvCefHandler> CurrentClientHandler();

}  // namespace orvcef

#endif  // ORVCEF_CORE_BROWSER_APP_H_

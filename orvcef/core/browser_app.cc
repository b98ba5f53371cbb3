#include "orvcef/core/browser_app.h"

#include "include/cef_browser.h"
#include "orvcef/base/library_state.h"
#include "orvcef/base/no_throw.h"
#include "orvcef/base/thread_checks.h"
#include "orvcef/core/container_window.h"
#include "orvcef/handler/client_handler.h"

namespace orvcef {

OrvCefApp::OrvCefApp() = default;

OrvCefApp::~OrvCefApp() = default;

CefRefPtr<CefBrowserProcessHandler> OrvCefApp::GetBrowserProcessHandler() {
  return this;
}

void OrvCefApp::OnContextInitialized() {
  ORVCEF_REQUIRE_UI_THREAD();
  // A termination that gave up waiting for this callback has shut CEF down
  // or is doing so: a browser created now would be created in a dying
  // context.
  if (!State().terminating())
    CallWithoutThrowing([&] { CreateMainBrowser(); });
  context_initialized_ = true;
}

void OrvCefApp::CreateMainBrowser() {
  LibraryState& state = State();
  const HWND container = CreateContainerWindow(state.instance());
  container_window_ = container;

  CefRefPtr<OrvCefHandler> handler = new OrvCefHandler();
  // Publish the handler before reading the start URL: a repeated start that
  // stores a newer URL either lands before the read below or finds the
  // handler expecting its main browser and leaves the URL with it.
  handler->ExpectMainBrowser();
  {
    std::lock_guard<std::mutex> guard(handler_lock_);
    client_handler_ = handler;
  }
  const StartUrl start = state.start_url();
  handler->MainBrowserRequested(start.serial);

  CefWindowInfo window_info;
  window_info.SetAsChild(container, CefRect(0, 0, 1, 1));
  CefBrowserSettings browser_settings;
  if (!CefBrowserHost::CreateBrowser(window_info, handler, start.url,
                                     browser_settings, nullptr, nullptr)) {
    handler->MainBrowserAbandoned();
  }
}

CefRefPtr<OrvCefHandler> OrvCefApp::client_handler() const {
  std::lock_guard<std::mutex> guard(handler_lock_);
  return client_handler_;
}

CefRefPtr<OrvCefApp> CurrentApp() {
  // The library state never holds any other CefApp.
  CefRefPtr<CefApp> app = State().app();
  return static_cast<OrvCefApp*>(app.get());
}

CefRefPtr<OrvCefHandler> CurrentClientHandler() {
  CefRefPtr<OrvCefApp> app = CurrentApp();
  return app ? app->client_handler() : nullptr;
}

}  // namespace orvcef

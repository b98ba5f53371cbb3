// The application object of orvbrowser.exe's child processes. In a renderer
// process it installs the renderer half of the message router, so every
// frame's page can reach the host through window.cefQuery.
#ifndef ORVBROWSER_RENDERER_APP_H_
#define ORVBROWSER_RENDERER_APP_H_

#include "include/cef_app.h"
#include "include/wrapper/cef_message_router.h"

class OrvCefApp : public CefApp, public CefRenderProcessHandler {
 public:
  OrvCefApp() = default;
  OrvCefApp(const OrvCefApp&) = delete;
  OrvCefApp& operator=(const OrvCefApp&) = delete;

  // CefApp:
  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override;

  // CefRenderProcessHandler, all called on the render thread:
  void OnWebKitInitialized() override;
  void OnContextCreated(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefFrame> frame,
                        CefRefPtr<CefV8Context> context) override;
  void OnContextReleased(CefRefPtr<CefBrowser> browser,
                         CefRefPtr<CefFrame> frame,
                         CefRefPtr<CefV8Context> context) override;
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override;

 private:
  // Created by OnWebKitInitialized; null before (and in other process types).
  CefRefPtr<CefMessageRouterRendererSide> renderer_router_;

  IMPLEMENT_REFCOUNTING(OrvCefApp);
};

#endif  // ORVBROWSER_RENDERER_APP_H_

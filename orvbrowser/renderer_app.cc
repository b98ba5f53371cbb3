#include "renderer_app.h"

CefRefPtr<CefRenderProcessHandler> OrvCefApp::GetRenderProcessHandler() {
  return this;
}

void OrvCefApp::OnWebKitInitialized() {
  // Default names (window.cefQuery, window.cefQueryCancel): the host's
  // browser-side router is configured the same way. Assigning releases any
  // router an earlier call made.
  CefMessageRouterConfig config;
  renderer_router_ = CefMessageRouterRendererSide::Create(config);
}

void OrvCefApp::OnContextCreated(CefRefPtr<CefBrowser> browser,
                                 CefRefPtr<CefFrame> frame,
                                 CefRefPtr<CefV8Context> context) {
  if (renderer_router_)
    renderer_router_->OnContextCreated(browser, frame, context);
}

void OrvCefApp::OnContextReleased(CefRefPtr<CefBrowser> browser,
                                  CefRefPtr<CefFrame> frame,
                                  CefRefPtr<CefV8Context> context) {
  if (renderer_router_)
    renderer_router_->OnContextReleased(browser, frame, context);
}

bool OrvCefApp::OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                         CefRefPtr<CefFrame> frame,
                                         CefProcessId source_process,
                                         CefRefPtr<CefProcessMessage> message) {
  if (!renderer_router_)
    return false;
  return renderer_router_->OnProcessMessageReceived(browser, frame,
                                                    source_process, message);
}
